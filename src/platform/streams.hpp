#pragma once

#include <string_view>

#include "platform/console.hpp"
#include "platform/files.hpp"

// What the program's standard streams need of the system, beyond reading and writing bytes.

namespace calcorix {

// Called first in main. POSIX systems: SIGPIPE is ignored, so that a closed pipe ends the program
// through a failed write (status 1), never by the signal. Windows: standard input, output and
// error carry bytes as they are (binary mode: no CR is added before a LF, none taken away, and a
// Ctrl+Z byte is data), and a C library call on a closed descriptor fails instead of ending the
// program.
void PrepareStandardStreams();

// Writes the text, whose bytes are in `encoding`: as WriteAll does, except at a Windows console,
// which takes characters rather than bytes. There the characters are written (WriteConsoleW), so
// that Polish letters show whatever the console's code page.
WriteEnd WriteText(int fd, std::string_view bytes, TextEncoding encoding, WriteRules rules = {});

}  // namespace calcorix
