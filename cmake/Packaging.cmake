# cpack -G DEB: the program with its desktop entry, icon and metainfo.
set(CPACK_PACKAGE_NAME "lumiq")
set(CPACK_PACKAGE_VENDOR "Lumiq")
set(CPACK_PACKAGE_CONTACT "Lumiq <lumiq@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LED calculator: intensity, flux, power, efficacy and colour")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumiq converts an LED's luminous intensity (mcd) to luminous flux (mlm) and back for a\n"
    "viewing angle, shows electrical power and luminous efficacy while you type, and paints\n"
    "the estimated colour of a wavelength.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins
# that open the window, and the font family it asks for (Arial's metrics).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
