#pragma once

#include <string>
#include <vector>

// Runs a program as a child process with the given standard input and collects its standard
// output and how it ended. For the end-to-end tests of the real binary.

namespace calcorix::testing {

struct ProcessResult {
  std::string output;     // standard output, byte for byte
  int exitStatus = -1;    // the status when the process exited
  int signal = 0;         // the signal that ended it, 0 when it exited
  bool timedOut = false;  // killed after the time limit
};

// Terminal: a pseudo-terminal in raw mode, so the bytes arrive as written.
enum class OutputTarget { Pipe, ClosedPipe, DevFull, Terminal };

struct ProcessOptions {
  std::vector<std::string> arguments;  // without the program itself
  std::string input;                   // written to standard input, which is then closed
  std::vector<std::string> environment = {"LANG=C", "PATH=/usr/bin:/bin"};
  OutputTarget target = OutputTarget::Pipe;
  double timeLimitSeconds = 20;
};

ProcessResult RunProcess(const std::string& program, const ProcessOptions& options);

}  // namespace calcorix::testing
