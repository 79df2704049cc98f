#include "platform/files.hpp"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cwctype>
#include <iterator>

#include "platform/console.hpp"
#include "platform/cp852.hpp"
#include "platform/signals.hpp"
#include "platform/windows/wide.hpp"

namespace calcorix {
namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

// The full path of `path` as the system resolves it; empty when it cannot.
std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

// A path into the device namespace (\\.\COM1, \\?\pipe\name), which GetFullPathNameW also makes of
// a reserved name (CON, NUL, COM1). \\?\C:\... and \\?\UNC\server\... name files.
bool InDeviceNamespace(std::wstring_view full) {
  if (full.size() < 4 || !IsSeparator(full[0]) || !IsSeparator(full[1]) || !IsSeparator(full[3])) {
    return false;
  }
  if (full[2] == L'.') return true;
  if (full[2] != L'?') return false;
  const std::wstring_view rest = full.substr(4);
  const bool drive =
      rest.size() >= 3 && std::iswalpha(rest[0]) != 0 && rest[1] == L':' && IsSeparator(rest[2]);
  const bool unc =
      rest.size() >= 4 && ::_wcsnicmp(rest.data(), L"UNC", 3) == 0 && IsSeparator(rest[3]);
  return !drive && !unc;
}

int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
      return EPIPE;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    default:
      return EIO;
  }
}

// The characters typed at the console and not yet handed over, as bytes.
struct TypedText {
  HANDLE console = nullptr;
  std::string bytes;
};
TypedText typed;

// The prompt goes to the console's screen, never into a file that standard output was sent to.
void ShowPrompt() {
  static const HANDLE screen =
      ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  static constexpr wchar_t kPrompt[] = L"> ";
  DWORD written = 0;
  ::WriteConsoleW(screen, kPrompt, static_cast<DWORD>(std::size(kPrompt) - 1), &written, nullptr);
}

// One line of the console's own line input (its editing, its history on the arrows and F7).
ReadEnd ReadConsoleLine(HANDLE console) {
  ShowPrompt();
  wchar_t line[4096];
  DWORD count = 0;
  if (!::ReadConsoleW(console, line, static_cast<DWORD>(std::size(line)), &count, nullptr) &&
      ::GetLastError() != ERROR_OPERATION_ABORTED) {
    errno = ErrnoOf(::GetLastError());
    return ReadEnd::Failed;
  }
  if (count == 0) {
    // Ctrl-C or Ctrl-Break ended the read. The console's handler runs in a thread of its own, and
    // may note the event only just after the read returned.
    for (int waited = 0; waited < 50 && PendingTerminationSignal() == 0; ++waited)
      ::Sleep(10);
    return PendingTerminationSignal() != 0 ? ReadEnd::Interrupted : ReadEnd::End;
  }
  const std::string utf8 = Utf8FromWide({line, count});
  typed.console = console;
  if (OutputEncoding() == TextEncoding::Utf8) {
    typed.bytes += utf8;
  } else {
    AppendAsCp852(utf8, typed.bytes);
  }
  return ReadEnd::Read;
}

}  // namespace

FileDescriptor::~FileDescriptor() {
  if (descriptor_ >= 0) ::_close(descriptor_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::_close(descriptor_);
    descriptor_ = other.descriptor_;
    other.descriptor_ = -1;
  }
  return *this;
}

bool FileDescriptor::Close() {
  const int descriptor = descriptor_;
  descriptor_ = -1;
  return ::_close(descriptor) == 0;
}

FileDescriptor OpenRegularFile(const std::string& path) {
  errno = EINVAL;
  if (path.empty() || path.find('\0') != std::string::npos) return {};
  const std::wstring full = FullPath(WideFromUtf8(path));
  // Opening a device can act (a serial line, a pipe's server sees a client), and CON would make
  // the reading wait for the user: no device is opened.
  if (full.empty() || InDeviceNamespace(full)) return {};
  WIN32_FILE_ATTRIBUTE_DATA named{};
  if (!::GetFileAttributesExW(full.c_str(), GetFileExInfoStandard, &named)) {
    errno = ErrnoOf(::GetLastError());
    return {};
  }
  errno = EINVAL;
  if ((named.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) return {};
  // Not inherited by a child process.
  const HANDLE file = ::CreateFileW(full.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    errno = ErrnoOf(::GetLastError());
    return {};
  }
  // What was opened is a file on a disk, whatever the name was swapped for meanwhile.
  BY_HANDLE_FILE_INFORMATION opened{};
  if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &opened) ||
      (opened.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    ::CloseHandle(file);
    errno = EINVAL;
    return {};
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd < 0) ::CloseHandle(file);
  return FileDescriptor(fd);
}

ReadResult ReadInput(int fd, char* buffer, std::size_t size) {
  const HANDLE handle = HandleOf(fd);
  DWORD mode = 0;
  if ((typed.console != handle || typed.bytes.empty()) && ::GetConsoleMode(handle, &mode)) {
    if (const ReadEnd end = ReadConsoleLine(handle); end != ReadEnd::Read) return {end};
  }
  if (typed.console == handle && !typed.bytes.empty()) {
    const std::size_t count = std::min(size, typed.bytes.size());
    typed.bytes.copy(buffer, count);
    typed.bytes.erase(0, count);
    return {ReadEnd::Read, count};
  }
  for (;;) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    if (::ReadFile(handle, buffer, wanted, &count, nullptr)) {
      if (count > 0) return {ReadEnd::Read, count};
      return {ReadEnd::End};
    }
    const DWORD error = ::GetLastError();
    // The writer of a pipe has closed its end: the data ends there.
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return {ReadEnd::End};
    if (error != ERROR_NO_DATA) {
      errno = ErrnoOf(error);
      return {ReadEnd::Failed};
    }
    // A pipe someone made non-blocking, empty for now: wait as a blocking one would.
    if (PendingTerminationSignal() != 0) return {ReadEnd::Interrupted};
    ::Sleep(1);
  }
}

WriteEnd WriteAll(int fd, std::string_view bytes, WriteRules) {
  const HANDLE handle = HandleOf(fd);
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    if (!::WriteFile(handle, bytes.data(), piece, &written, nullptr)) {
      errno = ErrnoOf(::GetLastError());
      return WriteEnd::Failed;
    }
    if (written == 0) {
      ::Sleep(1);  // a pipe someone made non-blocking, full for now
      continue;
    }
    bytes.remove_prefix(written);
  }
  return WriteEnd::Written;
}

}  // namespace calcorix
