#include "settings/random_seed.hpp"

#include <cstdlib>

namespace calcorix {

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<std::uint64_t> SeedFromEnvironment() {
  const char* text = std::getenv("CALCORIX_SEED");
  if (text == nullptr) return std::nullopt;
  return ParseSeed(text);
}

}  // namespace calcorix
