#pragma once

#include <optional>

// Terminal detection and the terminal window's size.

namespace calcorix {

// True when the file descriptor is a terminal.
bool IsTerminal(int fileDescriptor);

struct WindowSize {
  int columns = 0;
  int rows = 0;
};

// The size of the terminal window on the descriptor, as the terminal reports it (TIOCGWINSZ).
// Nothing when the descriptor is no terminal, or the terminal reports no size (0 by 0, as a
// serial line may).
std::optional<WindowSize> TerminalWindowSize(int fileDescriptor);

}  // namespace calcorix
