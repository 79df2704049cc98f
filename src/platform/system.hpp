#pragma once

#include <cstdint>

// Small services of the operating system: terminal detection and a clock for seeding.

namespace calcorix {

// True when the file descriptor is a terminal.
bool IsTerminal(int fileDescriptor);

// Milliseconds of a running clock; used only to seed the random generator.
std::uint64_t MillisecondClock();

}  // namespace calcorix
