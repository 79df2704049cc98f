#pragma once

#include "platform/locale.hpp"

namespace calcorix {

// Sets the decimal separator for one test and puts "." back afterwards, also when it fails.
class SeparatorGuard {
 public:
  explicit SeparatorGuard(char separator) { SetDecimalSeparator(separator); }
  ~SeparatorGuard() { SetDecimalSeparator('.'); }
  SeparatorGuard(const SeparatorGuard&) = delete;
  SeparatorGuard& operator=(const SeparatorGuard&) = delete;
};

}  // namespace calcorix
