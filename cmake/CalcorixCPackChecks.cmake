# Read by cpack once per generator (CPACK_PROJECT_CONFIG_FILE): a statically linked program makes
# no Debian package.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_CALCORIX_STATIC)
  message(FATAL_ERROR "This build links the program statically and makes only the portable "
                      ".tar.gz; the Debian packages come from the package preset "
                      "(cmake --workflow --preset package)")
endif()
