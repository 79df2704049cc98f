# The build of the Debian packages: every object compiled and linked with the flags Debian's own
# packages get, as dpkg-buildflags gives them with all hardening features on (stack protector,
# _FORTIFY_SOURCE, format checks, full RELRO with BIND_NOW), and position-independent, so that the
# program is PIE and the static library can go into a PIE or a shared object.
option(CALCORIX_DEB_BUILDFLAGS
  "Compile and link with the hardened flags of dpkg-buildflags (the Debian packages)" OFF)

if(CALCORIX_DEB_BUILDFLAGS)
  if(CALCORIX_STATIC)
    message(FATAL_ERROR "CALCORIX_DEB_BUILDFLAGS builds a dynamically linked program: "
                        "set CALCORIX_STATIC=OFF (the package preset does)")
  endif()
  find_program(CALCORIX_DPKG_BUILDFLAGS dpkg-buildflags)
  mark_as_advanced(CALCORIX_DPKG_BUILDFLAGS)
  if(NOT CALCORIX_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "CALCORIX_DEB_BUILDFLAGS needs dpkg-buildflags (apt-get install dpkg-dev)")
  endif()

  # dpkg-buildflags maps the current directory to "." in the debugging information, so it runs
  # in the source tree.
  set(_deb_flags "")
  foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${CALCORIX_DPKG_BUILDFLAGS} --get ${_kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE _status)
    if(NOT _status EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${_kind} failed (${_status})")
    endif()
    string(APPEND _deb_flags " ${_kind}: ${_flags}")
    separate_arguments(_deb_${_kind} UNIX_COMMAND "${_flags}")
  endforeach()
  add_compile_options(${_deb_CPPFLAGS} ${_deb_CXXFLAGS})
  add_link_options(${_deb_LDFLAGS})
  message(STATUS "Debian build flags (hardening=+all):${_deb_flags}")

  # PIE by the compiler's default is not enough: say it, and check that the linker can.
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
