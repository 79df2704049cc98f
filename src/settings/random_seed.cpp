#include "settings/random_seed.hpp"

#include <charconv>
#include <cstdlib>

namespace calcorix {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint64_t> SeedFromEnvironment(bool* unusable) {
  const char* text = std::getenv("CALCORIX_SEED");
  const std::optional<std::uint64_t> seed =
      text != nullptr ? ParseSeed(text) : std::optional<std::uint64_t>();
  if (unusable != nullptr) *unusable = text != nullptr && !seed;
  return seed;
}

}  // namespace calcorix
