# Warning flags shared by every CALCORIX target.
add_library(calcorix_warnings INTERFACE)
target_compile_options(calcorix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(CALCORIX_WERROR)
  target_compile_options(calcorix_warnings INTERFACE -Werror)
endif()

# add_calcorix_library(name SOURCES ... DEPENDS ...)
function(add_calcorix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE calcorix_warnings)
endfunction()
