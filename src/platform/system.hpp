#pragma once

// Terminal detection.

namespace calcorix {

// True when the file descriptor is a terminal.
bool IsTerminal(int fileDescriptor);

}  // namespace calcorix
