#pragma once

#include <string>
#include <string_view>

// The process-wide output streams. The program's own texts are UTF-8 in the source and are
// written in the stream's style: code page 852 with CR LF by default, or UTF-8 (on a UTF-8
// terminal, or when the user asks for it). Echoed input goes out byte for byte; only its line end
// follows the style.
//
// At a Windows console the texts go out as characters, decoded from the stream's bytes
// (WriteText); pipes and files get the bytes.
//
// Standard output is buffered; a failed write ends the program with status 1 (EndProgram),
// quietly. A write that waits for a reader (a full pipe) gives up when a signal that ends the
// program is noted: the whole lines that the reader can take at once go out, and the program ends
// by that signal (EndBySignal). Diagnostics go to standard error a line at a time, unbuffered, and
// never end anything.

namespace calcorix {

enum class TextEncoding { Cp852, Utf8 };

struct TextStyle {
  TextEncoding encoding = TextEncoding::Cp852;
  bool crLf = true;  // CR LF line ends; else LF alone
};

// What the user chooses with -e: automatic (UTF-8 on a UTF-8 terminal, else code page 852),
// UTF-8 with LF everywhere, or code page 852 with CR LF everywhere.
enum class TextMode { Automatic, Utf8, Cp852CrLf };

// The style of the program's texts on this descriptor in this mode.
TextStyle StyleFor(TextMode mode, int fileDescriptor);

// Binds the output stream to an open file descriptor (the driver binds standard output).
void BindConsole(int fileDescriptor, TextStyle style);

// The encoding of the bound output stream's texts.
TextEncoding OutputEncoding();

// Tests: everything written from now on is appended to *sink (nullptr ends the capture).
// Captured text is always code page 852 with CR LF, as a pipe receives it by default.
void CaptureConsole(std::string* sink);

// One line of the program's own text (UTF-8), encoded, then the line end.
void WriteLine(std::string_view text);

// One line of bytes exactly as given (echoed input), then the line end.
void WriteRawLine(std::string_view bytes);

// Writes out whatever is buffered. Called before the program waits for input and at its end. A
// terminating signal noted by then ends the program (EndBySignal) once the lines are out.
void FlushConsole();

// Binds the diagnostics to a descriptor (the driver binds standard error).
void BindDiagnostics(int fileDescriptor, TextStyle style);

// One line of the program's own text on the diagnostics stream, at once, as plain text: control
// characters are written as \xHH. A failed write is ignored: a note about something else must not
// end the program.
void WriteDiagnostic(std::string_view text);

}  // namespace calcorix
