#pragma once

#include <histedit.h>
#include <termcap.h>

// The functions of libedit that the line editor calls, and tgetent of the terminal database that
// libedit itself uses. A program linked with libedit takes them as linked; the one of the Debian
// package loads libedit only when a session is interactive, so that a calculation in a script
// loop does not pay for loading it (and libtinfo, libbsd and libmd with it) at every start.

namespace calcorix {

// One function pointer per function, named as the function; the list is used wherever the
// pointers are filled in, so that none is left out.
// clang-format off
#define CALCORIX_EDIT_FUNCTIONS(X)                                                            \
  X(el_cursor) X(el_deletestr) X(el_end) X(el_get) X(el_gets) X(el_init_fd) X(el_insertstr)   \
  X(el_line) X(el_resize) X(el_set) X(el_winsertstr) X(el_wline) X(el_wpush) X(el_wset)       \
  X(history) X(history_end) X(history_init) X(tgetent)
// clang-format on

struct EditLibrary {
#define CALCORIX_EDIT_FUNCTION(name) decltype(&::name) name = nullptr;
  CALCORIX_EDIT_FUNCTIONS(CALCORIX_EDIT_FUNCTION)
#undef CALCORIX_EDIT_FUNCTION
};

// The functions, or nullptr when libedit cannot be loaded; then one note on standard error says
// so (once), and the session reads its lines without editing. Loads the library on the first
// call only.
const EditLibrary* OpenEditLibrary();

}  // namespace calcorix
