#pragma once

#include <string>
#include <string_view>

// The process-wide output stream. Every line ends in CR LF. The program's own texts are UTF-8 in
// the source and are written in the stream's encoding (code page 852 unless a UTF-8 terminal asks
// otherwise); echoed input goes out byte for byte. Output is buffered; a failed write ends the
// program with status 1 (EndProgram), quietly.

namespace calcorix {

enum class TextEncoding { Cp852, Utf8 };

// Binds the stream to an open file descriptor (the driver binds standard output).
void BindConsole(int fileDescriptor, TextEncoding encoding);

// Tests: everything written from now on is appended to *sink (nullptr ends the capture).
// Captured text is always code page 852, as a pipe would receive it.
void CaptureConsole(std::string* sink);

// One line of the program's own text (UTF-8), encoded, then CR LF.
void WriteLine(std::string_view text);

// One line of bytes exactly as given (echoed input), then CR LF.
void WriteRawLine(std::string_view bytes);

// Writes out whatever is buffered. Called before the program waits for input and at its end.
void FlushConsole();

}  // namespace calcorix
