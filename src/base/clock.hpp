#pragma once

#include <chrono>
#include <cstdint>

namespace calcorix {

// Milliseconds of the calendar clock; used only to seed the random generator.
inline std::uint64_t MillisecondClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace calcorix
