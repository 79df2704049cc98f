# Warning flags shared by every CALCORIX target.
add_library(calcorix_warnings INTERFACE)
target_compile_options(calcorix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(CALCORIX_WERROR)
  target_compile_options(calcorix_warnings INTERFACE -Werror)
endif()

# add_calcorix_library(name [OBJECT] SOURCES ... DEPENDS ...): a static library of the program,
# or with OBJECT a layer of the library, whose objects go into libcalcorix.a and nowhere else.
function(add_calcorix_library name)
  cmake_parse_arguments(ARG "OBJECT" "" "SOURCES;DEPENDS" ${ARGN})
  if(ARG_OBJECT)
    add_library(${name} OBJECT ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE calcorix_warnings)
endfunction()
