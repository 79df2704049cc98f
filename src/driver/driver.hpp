#pragma once

// The program's entry sequence and its three run modes.

namespace calcorix {

// Runs the program on the recorded process arguments, from binding the output stream to the end
// of the chosen run mode, and gives the exit status of a normal end: 0, or 2 when -x asked for it
// and a calculation printed an error or missing-parenthesis line (or a pass of a graph gave an
// error). Every other end is a ProgramEnd thrown through EndProgram (help, version, -p without a
// loop, loop-parameter messages, a failed read or write, a terminating signal).
int RunCalcorix();

}  // namespace calcorix
