# fast_float reads and {fmt} prints doubles for the core, both header-only, so
# the numbers do not depend on which standard library has from_chars/to_chars
# for double. A cross build (WebAssembly) must not see the host's /usr/include,
# where Debian puts them, so it gets a folder that holds just these two.
add_library(lumiq_number_libraries INTERFACE)
if(CMAKE_CROSSCOMPILING)
  set(_host_include /usr/include)
  set(_staged ${PROJECT_BINARY_DIR}/number-libraries)
  foreach(dir IN ITEMS fast_float fmt)
    if(NOT EXISTS ${_host_include}/${dir})
      message(FATAL_ERROR "${_host_include}/${dir} not found: run scripts/install-deps")
    endif()
    file(MAKE_DIRECTORY ${_staged})
    file(CREATE_LINK ${_host_include}/${dir} ${_staged}/${dir} SYMBOLIC)
  endforeach()
  target_include_directories(lumiq_number_libraries SYSTEM INTERFACE $<BUILD_INTERFACE:${_staged}>)
  target_compile_definitions(lumiq_number_libraries INTERFACE FMT_HEADER_ONLY=1)
else()
  find_package(FastFloat CONFIG REQUIRED GLOBAL)
  find_package(fmt CONFIG REQUIRED GLOBAL)
  target_link_libraries(lumiq_number_libraries INTERFACE FastFloat::fast_float
                                                         fmt::fmt-header-only)
endif()
# {fmt} never consults a std::locale: numbers are the same in every locale, and
# the web engine is spared the whole of the C++ locale library (a third of it).
target_compile_definitions(lumiq_number_libraries INTERFACE "FMT_STATIC_THOUSANDS_SEPARATOR=','")
