#include "settings/whole_number.hpp"

#include <charconv>
#include <cstddef>

namespace calcorix {

std::optional<std::int32_t> ReadWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size()) {
    const char c = text[i];
    if (c == '$' || c == 'x' || c == 'X') {
      base = 16;
      ++i;
    } else if (c == '&') {
      base = 8;
      ++i;
    } else if (c == '%') {
      base = 2;
      ++i;
    } else if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
      base = 16;
      i += 2;
    }
  }
  // Digits of the base and nothing else; hundreds of them are out of range, not a wrapped value.
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(first, last, magnitude, base);
  if (error != std::errc() || end != last) return std::nullopt;
  const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  if (magnitude > limit) return std::nullopt;
  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(value);
}

std::int32_t WholeNumberValue(std::string_view text) {
  return ReadWholeNumber(text).value_or(0);
}

}  // namespace calcorix
