#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Runs a program as a child process with the given standard input and collects its standard
// output and how it ended. For the end-to-end tests of the real binary.

namespace calcorix::test {

struct ProcessResult {
  std::string output;     // standard output, byte for byte
  std::string errors;     // standard error, when it was collected (ErrorTarget Pipe or Terminal)
  int exitStatus = -1;    // the status when the process exited
  int signal = 0;         // the signal that ended it, 0 when it exited
  bool timedOut = false;  // killed after the time limit
};

// Terminal: a pseudo-terminal in raw mode, so the bytes arrive as written.
enum class OutputTarget { Pipe, ClosedPipe, DevFull, Terminal };

// Inherit: standard error is the test's own. Pipe, Terminal: collected in ProcessResult::errors.
enum class ErrorTarget { Inherit, Pipe, Terminal };

// Pipe: `input`, then the end of the data. Directory: standard input is a directory, so every read
// fails. Closed: the program starts without standard input.
enum class InputSource { Pipe, Directory, Closed };

struct ProcessOptions {
  std::vector<std::string> arguments;  // without the program itself
  std::string input;                   // written to standard input, which is then closed
  // No configuration of the machine's own (in /etc/xdg) may change what the program prints.
  std::vector<std::string> environment = {"LANG=C", "PATH=/usr/bin:/bin",
                                          "XDG_CONFIG_DIRS=/nonexistent"};
  OutputTarget target = OutputTarget::Pipe;
  InputSource source = InputSource::Pipe;
  ErrorTarget errorTarget = ErrorTarget::Inherit;
  // Sends `signal` to the child once this many bytes of its standard output have arrived (0:
  // never).
  std::size_t signalAfterBytes = 0;
  int signal = 0;
  double timeLimitSeconds = 20;
  std::size_t stackLimitBytes = 0;  // the child's stack limit; 0 keeps the inherited one
  // The child's address-space limit (RLIMIT_AS); 0 for none. Resident memory can never exceed
  // it, and unlike the peak resident size that wait4 reports it does not count the pages the
  // child inherited from this process before exec.
  std::size_t memoryLimitBytes = 0;
};

ProcessResult RunProcess(const std::string& program, const ProcessOptions& options);

// Sets "NAME=value" in `environment`, in place of the variable's value there.
inline void SetVariable(std::vector<std::string>& environment, const std::string& variable) {
  const std::string name = variable.substr(0, variable.find('=') + 1);
  std::erase_if(environment, [&](const std::string& entry) { return entry.starts_with(name); });
  environment.push_back(variable);
}

// The texts as execve wants them: pointers into them, then a null pointer.
inline std::vector<char*> ExecPointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& t : texts)
    pointers.push_back(t.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace calcorix::test
