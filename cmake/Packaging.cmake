# cpack -G DEB: the program with its desktop entry, icon, metainfo, manual
# page, copyright file and changelog, as lintian --pedantic accepts it.
set(CPACK_PACKAGE_NAME "lumiq")
set(CPACK_PACKAGE_VENDOR "Lumiq")
set(CPACK_PACKAGE_CONTACT "${LUMIQ_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LED calculator: intensity, flux, power, efficacy and colour")
# One string: a list would reach the control file with its semicolons. Lines
# stay within 80 columns once the control file indents them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Lumiq converts an LED's luminous intensity in millicandela to its luminous\n"
       "flux in millilumen and back, for the full viewing angle of its datasheet.\n"
       "While you type, it shows the electrical power from the forward voltage and\n"
       "current, the luminous efficacy in lumen per watt, and a swatch in the\n"
       "estimated colour of a wavelength.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMIQ_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The architecture the program was built for, which a cross build's builder
# is not.
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins
# that open the window, and the font family it asks for (Arial's metrics).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Wayland plugin makes Lumiq a native client of a Wayland session, drawn
# sharp at the output's scale instead of enlarged through XWayland. Lumiq
# runs without it (through XWayland, or X11), so it is recommended, which apt
# installs by default, not required: a system without Wayland needs none of it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_STRIP_FILES ON)
# The folders dpkg creates, not the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Read by cpack when it runs: every file in the package is stamped with this
# time, so that two builds of one commit give the same bytes.
set(LUMIQ_CPACK_TIME_FILE ${PROJECT_BINARY_DIR}/CPackSourceDate.cmake)
file(CONFIGURE OUTPUT ${LUMIQ_CPACK_TIME_FILE} CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @LUMIQ_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${LUMIQ_CPACK_TIME_FILE})
include(CPack)
