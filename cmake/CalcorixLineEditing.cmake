# Line editing, history and completion in standard-input mode at a terminal, with libedit (BSD
# licence). When it can be built, the INTERFACE target calcorix_line_editing carries libedit's
# headers and libraries; otherwise standard input is read without it. One status line says which.
option(CALCORIX_LINE_EDITING "Line editing at a terminal in standard-input mode (needs libedit)" ON)
# Linked, libedit and the libraries it needs are loaded at every start, also for a calculation in a
# script loop that never edits a line; loaded with dlopen, only when a session is interactive (the
# package preset). A statically linked program links it: it has no dlopen.
option(CALCORIX_LOAD_LIBEDIT
  "Load libedit with dlopen when a session is interactive, instead of linking it" OFF)
if(CALCORIX_LOAD_LIBEDIT AND CALCORIX_STATIC)
  message(FATAL_ERROR "CALCORIX_LOAD_LIBEDIT needs a dynamically linked program: "
                      "set CALCORIX_STATIC=OFF (the package preset does)")
endif()

set(_line_editing_off "")
if(NOT CALCORIX_LINE_EDITING)
  set(_line_editing_off "CALCORIX_LINE_EDITING is OFF")
else()
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(LIBEDIT QUIET libedit)
    # The terminal database, asked before libedit starts (and by libedit itself).
    pkg_search_module(TERMINFO QUIET tinfo ncursesw ncurses)
    pkg_check_modules(LIBBSD QUIET libbsd)
  endif()
  if(NOT PKG_CONFIG_FOUND)
    set(_line_editing_off "pkg-config not found")
  elseif(NOT LIBEDIT_FOUND)
    set(_line_editing_off "libedit not found, install libedit-dev")
  elseif(NOT TERMINFO_FOUND)
    set(_line_editing_off "tinfo/ncurses not found")
  endif()
endif()

set(_line_editing_libraries edit ${TERMINFO_LIBRARIES})
if(CALCORIX_LOAD_LIBEDIT)
  set(_line_editing_libraries ${CMAKE_DL_LIBS})
elseif(NOT _line_editing_off AND CALCORIX_STATIC)
  # Debian's static libedit needs libbsd (and libbsd needs libmd); each archive must be there.
  list(APPEND _line_editing_libraries ${LIBBSD_STATIC_LIBRARIES})
  foreach(_library IN LISTS _line_editing_libraries)
    find_library(_archive_${_library} NAMES lib${_library}.a
                 HINTS ${LIBEDIT_LIBRARY_DIRS} ${TERMINFO_LIBRARY_DIRS} ${LIBBSD_LIBRARY_DIRS})
    if(NOT _archive_${_library})
      set(_line_editing_off "lib${_library}.a not found for the static executable")
      break()
    endif()
  endforeach()
endif()

if(_line_editing_off)
  message(STATUS "Line editing at a terminal: off (${_line_editing_off}); standard input is read plainly")
else()
  if(CALCORIX_LOAD_LIBEDIT)
    message(STATUS "Line editing at a terminal: on (libedit ${LIBEDIT_VERSION}, loaded when a "
                   "session is interactive)")
  else()
    message(STATUS "Line editing at a terminal: on (libedit ${LIBEDIT_VERSION})")
  endif()
  add_library(calcorix_line_editing INTERFACE)
  target_compile_definitions(calcorix_line_editing INTERFACE
                             CALCORIX_LOAD_LIBEDIT=$<BOOL:${CALCORIX_LOAD_LIBEDIT}>)
  target_include_directories(calcorix_line_editing SYSTEM INTERFACE
                             ${LIBEDIT_INCLUDE_DIRS} ${TERMINFO_INCLUDE_DIRS})
  target_link_directories(calcorix_line_editing INTERFACE
                          ${LIBEDIT_LIBRARY_DIRS} ${TERMINFO_LIBRARY_DIRS} ${LIBBSD_LIBRARY_DIRS})
  target_link_libraries(calcorix_line_editing INTERFACE ${_line_editing_libraries})
endif()
