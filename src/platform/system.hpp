#pragma once

#include <optional>

// What a descriptor is: a terminal (on Windows, a console), a pipe or a file; and the terminal
// window's size.

namespace calcorix {

// True when the file descriptor is a terminal; on Windows, a console (the NUL device, which the C
// library's _isatty takes for a terminal, is none).
bool IsTerminal(int fileDescriptor);

enum class StreamKind { Pipe, File, Other };

// A pipe (or FIFO), a regular file, or anything else (a terminal, a device, a closed descriptor).
StreamKind KindOf(int fileDescriptor);

struct WindowSize {
  int columns = 0;
  int rows = 0;
};

// The size of the terminal window on the descriptor, as the terminal reports it (TIOCGWINSZ; on
// Windows the visible window of the console's screen buffer). Nothing when the descriptor is no
// terminal, or the terminal reports no size (0 by 0, as a serial line may).
std::optional<WindowSize> TerminalWindowSize(int fileDescriptor);

}  // namespace calcorix
