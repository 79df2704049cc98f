// RunProcess on Windows: CreateProcessW with pipes, each pipe served by a thread of its own. What
// Windows has no counterpart for is refused (std::invalid_argument), so that a test leaves it out
// by name rather than pass without it: a pseudo-terminal, a full device, stack and memory limits,
// and signals.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <string.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "run_process.hpp"

namespace calcorix::test {
namespace {

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
  return wide;
}

// The word as the C library's parsing of a command line gives it back: quoted when it holds a
// blank or a quote, or is empty; a quote escaped, and the backslashes before a quote doubled.
void AppendWord(std::wstring& line, const std::wstring& word) {
  if (!line.empty()) line += L' ';
  if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += word;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

// NAME=value strings, each ended by a NUL, then one more. Windows needs SystemRoot to start a
// program; the caller's is added when the test gives none.
std::wstring EnvironmentBlock(const std::vector<std::string>& environment) {
  std::wstring block;
  bool systemRoot = false;
  for (const std::string& entry : environment) {
    systemRoot = systemRoot || _strnicmp(entry.c_str(), "SystemRoot=", 11) == 0;
    block += Wide(entry) + L'\0';
  }
  wchar_t root[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableW(L"SystemRoot", root, MAX_PATH);
  if (!systemRoot && length > 0 && length < MAX_PATH)
    block += L"SystemRoot=" + std::wstring(root) + L'\0';
  block += L'\0';
  return block;
}

// A pipe whose `childEnd` (0: read, 1: write) the child inherits.
void MakePipe(HANDLE ends[2], int childEnd) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  if (!::CreatePipe(&ends[0], &ends[1], &inherited, 1 << 16)) throw std::runtime_error("pipe");
  ::SetHandleInformation(ends[1 - childEnd], HANDLE_FLAG_INHERIT, 0);
}

void Close(HANDLE& handle) {
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  handle = nullptr;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const ProcessOptions& options) {
  if (options.target == OutputTarget::DevFull || options.target == OutputTarget::Terminal ||
      options.errorTarget == ErrorTarget::Terminal || options.stackLimitBytes != 0 ||
      options.memoryLimitBytes != 0 || options.signalAfterBytes != 0) {
    throw std::invalid_argument("RunProcess: no such thing on Windows");
  }
  HANDLE in[2] = {}, out[2] = {}, err[2] = {};
  HANDLE input = nullptr;  // the child's standard input
  if (options.source == InputSource::Pipe) {
    MakePipe(in, 0);
    input = in[0];
  } else if (options.source == InputSource::Directory) {
    // A directory opens, but every read of it fails.
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    input = ::CreateFileW(L".", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  }
  MakePipe(out, 1);
  if (options.errorTarget == ErrorTarget::Pipe) {
    MakePipe(err, 1);
  } else {
    ::DuplicateHandle(::GetCurrentProcess(), ::GetStdHandle(STD_ERROR_HANDLE),
                      ::GetCurrentProcess(), &err[1], 0, TRUE, DUPLICATE_SAME_ACCESS);
  }
  if (options.target == OutputTarget::ClosedPipe) Close(out[0]);

  std::wstring commandLine;
  AppendWord(commandLine, Wide(program));
  for (const std::string& argument : options.arguments)
    AppendWord(commandLine, Wide(argument));
  std::wstring environment = EnvironmentBlock(options.environment);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = out[1];
  startup.hStdError = err[1];
  PROCESS_INFORMATION process{};
  const BOOL started =
      ::CreateProcessW(Wide(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &process);
  if (options.source != InputSource::Pipe) Close(input);
  Close(in[0]);
  Close(out[1]);
  Close(err[1]);
  if (!started) {
    Close(in[1]);
    Close(out[0]);
    Close(err[0]);
    throw std::runtime_error("CreateProcessW");
  }
  Close(process.hThread);

  ProcessResult result;
  const auto drain = [](HANDLE from, std::string& into) {
    char buffer[65536];
    DWORD n = 0;
    while (::ReadFile(from, buffer, sizeof buffer, &n, nullptr) && n > 0)
      into.append(buffer, n);
  };
  std::thread outReader;
  if (out[0] != nullptr) outReader = std::thread([&] { drain(out[0], result.output); });
  std::thread errReader;
  if (err[0] != nullptr) errReader = std::thread([&] { drain(err[0], result.errors); });
  std::thread writer;
  if (in[1] != nullptr) {
    writer = std::thread([&] {
      std::size_t written = 0;
      while (written < options.input.size()) {
        DWORD n = 0;
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(options.input.size() - written, 1 << 20));
        if (!::WriteFile(in[1], options.input.data() + written, piece, &n, nullptr)) break;
        written += n;
      }
      Close(in[1]);
    });
  }

  const auto limit = static_cast<DWORD>(options.timeLimitSeconds * 1000);
  if (::WaitForSingleObject(process.hProcess, limit) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.hProcess, 1);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    result.timedOut = true;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  result.exitStatus = static_cast<int>(code);
  // The child's end of its input is closed now: a write it left unread fails.
  if (writer.joinable()) writer.join();
  if (outReader.joinable()) outReader.join();
  if (errReader.joinable()) errReader.join();
  Close(out[0]);
  Close(err[0]);
  Close(process.hProcess);
  return result;
}

}  // namespace calcorix::test
