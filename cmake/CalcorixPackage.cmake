# Packages made by `cpack` in a build directory (cpack -G "DEB;TGZ"):
# - calcorix_<version>_<arch>.deb: the program component (cmake/CalcorixInstall.cmake): the
#   program, its man page, bash completion, example configuration and copyright;
# - calcorix-dev_<version>_<arch>.deb: the development component: the static library, headers,
#   CMake package and pkg-config files;
# - calcorix-<version>-Linux-<processor>.tar.gz: both, as `cmake --install` lays them out.
# The program is linked statically (CALCORIX_STATIC), so neither .deb depends on any package.

set(CPACK_PACKAGE_NAME calcorix)
set(CPACK_PACKAGE_VENDOR "CALCORIX authors")
set(CPACK_PACKAGE_CONTACT "CALCORIX authors <calcorix@users.noreply.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME
  ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})

# One .tar.gz with everything; one .deb per component.
set(CPACK_COMPONENTS_ALL program development)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_DEB_COMPONENT_INSTALL ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A dynamically linked program needs its libraries named, which dpkg-shlibdeps finds out.
if(CALCORIX_STATIC)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME calcorix)
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
# Every package carries its copyright in its own doc directory; `cmake --install` installs the
# licence only once, with the program.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/calcorix-dev RENAME copyright
  COMPONENT development EXCLUDE_FROM_ALL)

set(CPACK_SOURCE_GENERATOR TGZ)
# What .gitignore leaves out of the repository.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git$" "/\\\\.git/" "/build/" "/out/" "/\\\\.cache/"
  "/compile_commands\\\\.json$" "\\\\.swp$" "/fuzz/(crash|leak|timeout)-")

include(CPack)
