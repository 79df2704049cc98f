#pragma once

#include <memory>
#include <string>

// Standard-input mode at a terminal: a prompt, line editing, history kept between sessions and
// completion of names. Everything else about a line is as in a pipe (see platform/line_reader.hpp):
// a line is cut to kMaxTextLength characters, a typed CR or LF ends it, a Ctrl+Z byte ends the
// input.

namespace calcorix {

class LineEditor {
 public:
  virtual ~LineEditor() = default;

  // Reads the next line into `line` (without its line end). Ctrl-C discards the line being typed
  // and starts a fresh one. False at the end of the session: Ctrl-D on an empty line, the end of
  // the input, or after a Ctrl+Z byte (the text typed before it is delivered first). Whatever the
  // console holds is written before the prompt.
  virtual bool ReadLine(std::string& line) = 0;
};

// The editor for these descriptors, or nullptr where it does not apply: not both terminals, TERM
// unset, "dumb" or unknown to the terminal database, built without line editing, or the library
// failing. Nothing of the terminal is touched (nor its database read) unless both are terminals.
std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd);

}  // namespace calcorix
