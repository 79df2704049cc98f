#include "settings/real_number.hpp"

#include <cstddef>
#include <string>

#include "arith/nearest_value.hpp"
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
  NumberShape shape;
  if (!ParseNumberShape(number, shape)) return std::nullopt;
  std::string digits;
  for (std::size_t i = shape.digitsBegin; i < shape.digitsEnd; ++i) {
    if (number[i] != '.') digits.push_back(number[i]);
  }
  // The exponent is saturated far beyond the range, so neither sum can wrap.
  const auto written = static_cast<long long>(shape.exponent);
  const long long exponent =
      (shape.negativeExponent ? -written : written) - static_cast<long long>(shape.fractionDigits);
  return NearestValue(shape.negative, digits, exponent);
}

}  // namespace calcorix
