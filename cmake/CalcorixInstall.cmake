# What `cmake --install` puts where, in two components:
# - program: the program, its man page, bash completion, example configuration and copyright;
# - development: the library with its headers, CMake package files and pkg-config file.
include(CMakePackageConfigHelpers)

# install(CODE) run with `--strip` (cpack strips too) on an installed file. CMake strips only the
# program, and only of its symbols; Debian's packages also leave out the compiler's .comment and
# .note sections, and the debugging information of a static library's objects.
function(calcorix_strip_more file component)
  if(NOT CMAKE_STRIP)
    return()
  endif()
  set(code [[
if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND "@CMAKE_STRIP@" @options@ --remove-section=.comment --remove-section=.note
                          "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@file@" COMMAND_ERROR_IS_FATAL ANY)
endif()]])
  string(REPLACE ";" " " options "${ARGN}")
  string(CONFIGURE "${code}" code @ONLY)
  install(CODE "${code}" COMPONENT ${component})
endfunction()

install(TARGETS calcorix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
calcorix_strip_more(${CMAKE_INSTALL_BINDIR}/calcorix program)

# The man page is installed compressed, as man pages are on Debian; without gzip, as it is.
find_program(CALCORIX_GZIP gzip)
mark_as_advanced(CALCORIX_GZIP)
if(CALCORIX_GZIP)
  # -n leaves out the name and time, so the same page always gives the same bytes.
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/calcorix.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/doc/calcorix.1 calcorix.1
    COMMAND ${CALCORIX_GZIP} -9nf calcorix.1
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/calcorix.1
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Compressing the man page"
    VERBATIM)
  add_custom_target(calcorix_man_page ALL DEPENDS ${PROJECT_BINARY_DIR}/calcorix.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/calcorix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT program)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/doc/calcorix.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT program)
endif()

# bash-completion loads completions/<command> the first time the command is completed.
install(FILES ${PROJECT_SOURCE_DIR}/completion/calcorix.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME calcorix
  COMPONENT program)
# share/doc/calcorix: an example configuration file that, copied as it is, changes nothing (no
# configuration file is installed where the program would read it), and the licence as a
# machine-readable copyright file.
install(FILES ${PROJECT_SOURCE_DIR}/doc/calcorix.cfg.example
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples RENAME calcorix.cfg COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT program)

install(TARGETS calcorix_library EXPORT calcorixTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
calcorix_strip_more(${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:calcorix_library> development
  --strip-debug --enable-deterministic-archives)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/calcorix DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT development)
install(EXPORT calcorixTargets NAMESPACE calcorix::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/calcorixConfig.cmake.in
  ${PROJECT_BINARY_DIR}/calcorixConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/calcorixConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/calcorixConfig.cmake
              ${PROJECT_BINARY_DIR}/calcorixConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix COMPONENT development)
# The prefix is found from where the .pc file lies, so `cmake --install --prefix` may move it.
file(RELATIVE_PATH CALCORIX_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(${PROJECT_SOURCE_DIR}/cmake/calcorix.pc.in ${PROJECT_BINARY_DIR}/calcorix.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/calcorix.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT development)
