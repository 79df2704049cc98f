#include "graph/svg_text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace calcorix {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point, or 0.
std::size_t DecodeOne(std::string_view text, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

bool AllowedInXml(char32_t code) {
  return code == 0x9 || code == 0xA || code == 0xD ||
         (code >= 0x20 && code != 0x7F && code < 0xFFFE) || code >= 0x10000;
}

}  // namespace

void AppendCoordinate(std::string& out, long double value) {
  // Far beyond any drawing's size; keeps the conversion to an integer defined.
  constexpr long double kFarthest = 1e15L;
  const long double hundredths =
      std::isfinite(value) ? std::round(std::clamp(value * 100, -kFarthest, kFarthest)) : 0;
  const auto whole = static_cast<std::int64_t>(hundredths);
  if (whole < 0) out += '-';
  const std::uint64_t magnitude = static_cast<std::uint64_t>(std::llabs(whole));
  out += std::to_string(magnitude / 100);
  const auto fraction = static_cast<unsigned>(magnitude % 100);
  if (fraction != 0) {
    out += '.';
    out += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
  }
}

void AppendPoint(std::string& out, long double x, long double y) {
  AppendCoordinate(out, x);
  out += ',';
  AppendCoordinate(out, y);
}

void AppendXmlText(std::string& out, std::string_view text) {
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeOne(text, code);
    if (length == 0 || !AllowedInXml(code)) {
      out += '?';
      text.remove_prefix(length == 0 ? 1 : length);
      continue;
    }
    switch (code) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += text.substr(0, length);
    }
    text.remove_prefix(length);
  }
}

}  // namespace calcorix
