# What `cmake --install` puts where: the program and its man page, the library with its headers,
# CMake package files and pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS calcorix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/doc/calcorix.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(TARGETS calcorix_library EXPORT calcorixTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/calcorix DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT calcorixTargets NAMESPACE calcorix::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/calcorixConfig.cmake.in
  ${PROJECT_BINARY_DIR}/calcorixConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/calcorixConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/calcorixConfig.cmake
              ${PROJECT_BINARY_DIR}/calcorixConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/calcorix)
# The prefix is found from where the .pc file lies, so `cmake --install --prefix` may move it.
file(RELATIVE_PATH CALCORIX_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(${PROJECT_SOURCE_DIR}/cmake/calcorix.pc.in ${PROJECT_BINARY_DIR}/calcorix.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/calcorix.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
