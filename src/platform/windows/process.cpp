#include "platform/process.hpp"

#include "platform/windows/wide.hpp"

namespace calcorix {

void RecordProcessArguments(int argc, const wchar_t* const* argv) {
  std::vector<std::string> parameters;
  for (int i = 1; i < argc; ++i)
    parameters.push_back(argv[i] != nullptr ? Utf8FromWide(argv[i]) : std::string());
  SetParameters(std::move(parameters));
}

std::string SystemExecutablePath(const std::string&) {
  // A path may be far longer than MAX_PATH; GetModuleFileNameW cuts it to the buffer, and says so
  // by filling the buffer whole.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Utf8FromWide(path);
    }
    if (path.size() > 32768) return {};  // longer than any path Windows has
    path.resize(path.size() * 2);
  }
}

// From the system's own wide-character environment: the C library's copy of it would have passed
// through the ANSI code page.
std::optional<std::string> EnvironmentVariable(const char* name) {
  const std::wstring wideName = WideFromUtf8(name);
  std::wstring value(64, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length =
        ::GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    // Too small a buffer: the length asked for counts the terminating NUL.
    if (length >= value.size()) {
      value.resize(length);
      continue;
    }
    value.resize(length);
    return Utf8FromWide(value);
  }
}

}  // namespace calcorix
