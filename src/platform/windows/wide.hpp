#pragma once

// What the Windows files of the platform share: the system's headers, the handle behind a C
// library descriptor, and texts in the wide characters of the Windows API. The program's texts and
// paths are UTF-8 everywhere else.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/utf16.hpp"

namespace calcorix {

// INVALID_HANDLE_VALUE (or another handle no call accepts) for a descriptor that is not open.
inline HANDLE HandleOf(int fd) {
  return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

inline std::wstring WideFromUtf8(std::string_view utf8) {
  const std::u16string text = Utf16FromBytes(utf8, TextEncoding::Utf8);
  return std::wstring(text.begin(), text.end());
}

inline std::string Utf8FromWide(std::wstring_view wide) {
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

}  // namespace calcorix
