# The Windows release: `cpack` makes calcorix-<version>-windows-x86_64.zip, one folder of that name
# holding calcorix.exe (statically linked: it needs no DLL beside it), the README, the licence and
# the example configuration. The example is calcorix.cfg.example, not calcorix.cfg: a calcorix.cfg
# beside the program would be read before the user's own %APPDATA%\calcorix\calcorix.cfg.
install(TARGETS calcorix RUNTIME DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/doc/calcorix.cfg.example DESTINATION . COMPONENT program)

set(CPACK_PACKAGE_NAME calcorix)
set(CPACK_PACKAGE_VENDOR "CALCORIX authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "calcorix-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
