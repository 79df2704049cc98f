#pragma once

// The program's entry sequence and its three run modes.

namespace calcorix {

// Runs the program on the recorded process arguments, from binding the output stream to the end
// of the chosen run mode. Returns normally when the run mode ends; every other end is a
// ProgramEnd thrown through EndProgram (help, graph message, quit line, loop-parameter messages,
// a failed write).
void RunCalcorix();

}  // namespace calcorix
