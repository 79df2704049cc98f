#include "platform/system.hpp"

#include <unistd.h>

#include <chrono>

namespace calcorix {

bool IsTerminal(int fileDescriptor) {
  return ::isatty(fileDescriptor) == 1;
}

std::uint64_t MillisecondClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace calcorix
