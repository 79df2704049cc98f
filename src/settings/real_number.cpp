#include "settings/real_number.hpp"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

#include "engine/number_text.hpp"

namespace calcorix {
namespace {

bool IsBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' || byte == 0x7F;
}

}  // namespace

std::optional<long double> ReadRealNumber(std::string_view text, char separator) {
  while (!text.empty() && IsBlankOrControl(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back()))
    text.remove_suffix(1);
  std::string number(text);
  if (separator != '.') {
    const std::size_t at = number.find(separator);
    if (at != std::string::npos) number[at] = '.';
  }
  // from_chars takes more than the usual notation (inf, nan, a bare "1e" read as 1), so the whole
  // text is checked first.
  NumberShape shape;
  if (!ParseNumberShape(number, shape)) return std::nullopt;

  // from_chars refuses a leading "+"; it is locale-independent and rounds correctly, but it
  // reports result_out_of_range both for overflow and for values that would come out denormal.
  const char* first = number.data();
  const char* last = number.data() + number.size();
  if (*first == '+') ++first;
  long double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace calcorix
