# Packages made by `cpack` in a build directory. What a build makes follows from how it links:
# - dynamically (the package preset): the Debian packages, one per component,
#   calcorix_<version>-<revision>_<arch>.deb (the program, its man page, bash completion, example
#   configuration) and calcorix-dev_<version>-<revision>_<arch>.deb (the static library, headers,
#   CMake package and pkg-config files), whose Depends come from dpkg-shlibdeps;
# - statically (CALCORIX_STATIC, the release preset): the portable
#   calcorix-<version>-linux-<processor>-static.tar.gz, everything `cmake --install` lays out,
#   which needs no library of the machine it is unpacked on.
# A statically linked program makes no Debian package: Debian takes only programs that share the
# system's libraries, so that a security update of a library reaches them.

# The Debian revision is the latest entry of packaging/debian/changelog, which must be for this
# version: a package is never built with a changelog that does not describe it.
set(CALCORIX_DEBIAN_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)
file(STRINGS ${CALCORIX_DEBIAN_CHANGELOG} _latest LIMIT_COUNT 1)
if(NOT _latest MATCHES "^calcorix \\(([^)-]+)-([^)]+)\\) ")
  message(FATAL_ERROR "${CALCORIX_DEBIAN_CHANGELOG}: the first line names no version-revision")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${CALCORIX_DEBIAN_CHANGELOG}: the latest entry is for ${CMAKE_MATCH_1}, "
                      "not ${PROJECT_VERSION}; add an entry for this version")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})

set(CPACK_PACKAGE_NAME calcorix)
set(CPACK_PACKAGE_VENDOR "CALCORIX authors")
set(CPACK_PACKAGE_CONTACT "CALCORIX authors <calcorix@users.noreply.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
string(TOLOWER "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}" CPACK_PACKAGE_FILE_NAME)
string(APPEND CPACK_PACKAGE_FILE_NAME "-${CMAKE_SYSTEM_PROCESSOR}")
if(CALCORIX_STATIC)
  set(CPACK_GENERATOR TGZ)
  string(APPEND CPACK_PACKAGE_FILE_NAME "-static")
else()
  set(CPACK_GENERATOR DEB)
endif()
# Read by cmake/CalcorixCPackChecks.cmake, which stops `cpack -G DEB` of a static build.
set(CPACK_CALCORIX_STATIC ${CALCORIX_STATIC})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CalcorixCPackChecks.cmake)

# One .tar.gz with everything; one .deb per component.
set(CPACK_COMPONENTS_ALL program development)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_DEB_COMPONENT_INSTALL ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME calcorix)
# A libedit loaded with dlopen is no library dpkg-shlibdeps can see; CPack adds its findings to
# this. The version is the newest of libedit2's symbols file among the functions the program
# loads (src/driver/edit_library.hpp), as dpkg-shlibdeps would give it for a linked program.
if(CALCORIX_LOAD_LIBEDIT AND TARGET calcorix_line_editing)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libedit2 (>= 3.1-20140620-0)")
endif()
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
  "pocket calculator for the console, 80-bit arithmetic
CALCORIX computes an infix expression (+ - * / ^ !, parentheses, 38 functions,
4 constants) and prints its value as one line, in the chosen angle unit and
result format. It can also read one expression per line from standard input,
or repeat an expression over a loop variable. Every number is an 80-bit
extended value.
.
The package holds the program, its man page, bash completion and an example
configuration file.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME calcorix-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
  "pocket calculator engine in 80-bit arithmetic (static library)
The calculator of CALCORIX as a C++20 static library for x86, with its
headers, a CMake package (find_package(calcorix)) and a pkg-config file.")

# What only the Debian packages hold (EXCLUDE_FROM_ALL: `cmake --install` and the .tar.gz leave
# them out, a component's own installation does not): each package's copyright and changelog in
# its own doc directory, the changelog compressed as Debian's are.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/calcorix-dev COMPONENT development EXCLUDE_FROM_ALL)
if(CALCORIX_GZIP)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.Debian.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CALCORIX_DEBIAN_CHANGELOG} changelog.Debian
    COMMAND ${CALCORIX_GZIP} -9nf changelog.Debian
    DEPENDS ${CALCORIX_DEBIAN_CHANGELOG}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
  add_custom_target(calcorix_debian_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
  foreach(_component program development)
    string(TOUPPER ${_component} _upper)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.Debian.gz
      DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${_upper}_PACKAGE_NAME}
      COMPONENT ${_component} EXCLUDE_FROM_ALL)
  endforeach()
endif()

set(CPACK_SOURCE_GENERATOR TGZ)
# What .gitignore leaves out of the repository.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git$" "/\\\\.git/" "/build/" "/out/" "/\\\\.cache/"
  "/compile_commands\\\\.json$" "\\\\.swp$" "/fuzz/(crash|leak|timeout)-")

include(CPack)
