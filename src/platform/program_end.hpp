#pragma once

// The one way the program ends itself before the driver returns: EndProgram throws a ProgramEnd,
// which main() turns into the exit status. No library code calls exit(), so a test or a fuzz
// target that catches ProgramEnd keeps running.

namespace calcorix {

// Deliberately not derived from std::exception: the calculation's error handler catches every
// std::exception and must never swallow the end of the program.
struct ProgramEnd {
  int status;
  int signal = 0;  // the signal that ends the program, once its output is written; 0 for none
};

[[noreturn]] void EndProgram(int status);

}  // namespace calcorix
