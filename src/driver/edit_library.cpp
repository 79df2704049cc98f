// Where libedit's functions come from: linked into the program, or, with CALCORIX_LOAD_LIBEDIT,
// loaded by dlopen of its soname. Debian's package declares the dependency on libedit2 itself:
// dpkg-shlibdeps does not see a library that is loaded this way.

#include "driver/edit_library.hpp"

#if CALCORIX_LOAD_LIBEDIT
#include <dlfcn.h>

#include <string>
#include <type_traits>

#include "platform/console.hpp"
#endif

namespace calcorix {
namespace {

#if CALCORIX_LOAD_LIBEDIT

// The soname of the libedit whose headers the program is built with (Debian's libedit2).
constexpr char kSoname[] = "libedit.so.2";

// Loaded once, for the whole process; it is never closed, since the editor may live until the end.
// tgetent is found through libedit's own dependency on the terminal database.
const EditLibrary* Load(std::string& failure) {
  void* handle = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    failure = error != nullptr ? error : kSoname;
    return nullptr;
  }
  static EditLibrary library;
  const char* missing = nullptr;
  const auto find = [&](auto& function, const char* name) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(handle, name));
    if (function == nullptr && missing == nullptr) missing = name;
  };
#define CALCORIX_FIND_FUNCTION(name) find(library.name, #name);
  CALCORIX_EDIT_FUNCTIONS(CALCORIX_FIND_FUNCTION)
#undef CALCORIX_FIND_FUNCTION
  if (missing != nullptr) {
    failure = std::string(kSoname) + ": undefined symbol: " + missing;
    ::dlclose(handle);
    return nullptr;
  }
  return &library;
}

const EditLibrary* LoadOnce() {
  std::string failure;
  const EditLibrary* library = Load(failure);
  if (library == nullptr) WriteDiagnostic("Edycja wierszy niedostępna: " + failure);
  return library;
}

#else

const EditLibrary* LoadOnce() {
#define CALCORIX_LINKED_FUNCTION(name) library.name = &::name;
  static EditLibrary library;
  CALCORIX_EDIT_FUNCTIONS(CALCORIX_LINKED_FUNCTION)
#undef CALCORIX_LINKED_FUNCTION
  return &library;
}

#endif

}  // namespace

const EditLibrary* OpenEditLibrary() {
  static const EditLibrary* const library = LoadOnce();
  return library;
}

}  // namespace calcorix
