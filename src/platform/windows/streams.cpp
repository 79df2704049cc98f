#include "platform/streams.hpp"

#include <fcntl.h>
#include <stdlib.h>

#include <algorithm>
#include <cerrno>

#include "platform/windows/wide.hpp"

namespace calcorix {
namespace {

// Consoles before Windows 8 refuse a write of more than 64 KB at once.
constexpr std::size_t kConsolePiece = 8192;

void IgnoreInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t) {}

}  // namespace

void PrepareStandardStreams() {
  // A program started without standard error (or another standard stream): the C library's calls
  // on that descriptor fail with EBADF instead of ending the program.
  ::_set_invalid_parameter_handler(IgnoreInvalidParameter);
  for (const int fd : {0, 1, 2})
    ::_setmode(fd, _O_BINARY);
}

WriteEnd WriteText(int fd, std::string_view bytes, TextEncoding encoding, WriteRules rules) {
  const HANDLE handle = HandleOf(fd);
  DWORD mode = 0;
  if (!::GetConsoleMode(handle, &mode)) return WriteAll(fd, bytes, rules);
  const std::u16string text = Utf16FromBytes(bytes, encoding);
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t piece = std::min(text.size() - at, kConsolePiece);
    // A character of two halves stays whole.
    if (at + piece < text.size() && text[at + piece - 1] >= 0xD800 &&
        text[at + piece - 1] < 0xDC00) {
      --piece;
    }
    DWORD written = 0;
    if (!::WriteConsoleW(handle, text.data() + at, static_cast<DWORD>(piece), &written, nullptr) ||
        written == 0) {
      errno = EIO;
      return WriteEnd::Failed;
    }
    at += written;
  }
  return WriteEnd::Written;
}

}  // namespace calcorix
