#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/history_file.hpp"

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
  // the input, a signal that ends the program (it stays noted, for the caller to end by), or after
  // a Ctrl+Z byte (the text typed before it is delivered first). Whatever the console holds is
  // written before the prompt.
  virtual bool ReadLine(std::string& line) = 0;
  // True when the line last read lost its end at kMaxTextLength characters.
  virtual bool LastLineCut() const = 0;
};

struct TypedLine {
  std::string text;
  bool cut = false;  // the line had more than kMaxTextLength characters
};

// The lines of typed text, as a pipe would deliver them: split at each CR, LF or CR LF (the editor
// ends its text with LF; Ctrl-V types them too), each cut to kMaxTextLength characters. A line
// end at the end starts no further line.
std::vector<TypedLine> TypedLines(std::string_view text);

// What the editor reads while a line is typed: a byte of a key, or what the process was told.
struct EditorInput {
  enum class Kind {
    Byte,       // `byte` was typed
    Interrupt,  // Ctrl-C: the line is discarded
    Resize,     // the terminal has a new size
    Suspend,    // Ctrl-Z: the program stops until it is continued
    Continue,   // continued after someone else stopped it
    Ending,     // a signal that ends the program
    End,        // the end of the input
    Failed,     // the input cannot be read
  };
  Kind kind = Kind::End;
  char byte = 0;
  // More bytes were already waiting behind this one: it came with others in one piece, as pasted
  // text does, rather than from a key pressed on its own.
  bool followed = false;
};

// What the editor shows while it waits for the next input: the prompt and the line being edited
// (in the locale's characters, as the editor holds it) with the cursor's place in it.
struct EditorView {
  std::string_view prompt;
  std::wstring_view line;
  std::size_t cursor = 0;
};

// A character of Unicode. The C library also decodes five- and six-byte sequences, and values past
// U+10FFFF, which libedit cannot encode again: it aborts on them.
inline bool IsUnicodeCharacter(wchar_t c) {
  const auto code = static_cast<std::uint32_t>(c);
  return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// The text in the locale's characters, as libedit holds it; bytes that form none are dropped.
std::wstring Widen(std::string_view text);

// True when the bytes of `text` form characters of Unicode only (see IsUnicodeCharacter).
bool FormsOnlyCharacters(std::string_view text);

// How many rows of a `columns` wide terminal the prompt and the line take after the cursor's row,
// as libedit draws them: a control character as ^X, a tab to the next multiple of 8, a wide
// character on one row, a character that cannot be shown as \U+XXXX.
std::size_t RowsAfterCursor(const EditorView& shown, std::size_t columns);

// Where the editor's keys come from: the terminal and the process's signals, or a test's script.
class KeySource {
 public:
  virtual ~KeySource() = default;
  // The signals come as inputs while a line is read, from Listen(true) to Listen(false).
  virtual void Listen(bool listening) = 0;
  // Waits for the next input; `shown` is what the terminal shows meanwhile.
  virtual EditorInput Next(const EditorView& shown) = 0;
  // Stops the program after Ctrl-Z, and returns once it is continued, with the cursor at the start
  // of a line.
  virtual void Suspend() = 0;
};

// The keys typed at the terminal `inputFd`, with the signals of a waiting program. While it lives,
// Ctrl-C between two lines does nothing (unless SIGINT was ignored, it discards the line being
// typed).
std::unique_ptr<KeySource> OpenTerminalKeys(int inputFd);

// The editor for these descriptors, or nullptr where it does not apply: not both terminals, TERM
// unset, "dumb" or unknown to the terminal database, built without line editing, or the library
// failing. Nothing of the terminal is touched (nor its database read) unless both are terminals.
// The keys come from the terminal, the history from the user's history file.
std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd);

// The same with keys from `keys`, and `history` (tests and fuzzing).
std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd,
                                           std::unique_ptr<KeySource> keys, SessionHistory history);

}  // namespace calcorix
