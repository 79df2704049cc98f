#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The rules every text the user hands over follows, wherever it comes from (an expression, a line
// of standard input, a switch, a line of the configuration file): at most 255 single-byte
// characters, a Ctrl+Z byte ending the input, letters compared without regard to ASCII case.

namespace calcorix {

inline constexpr std::size_t kMaxTextLength = 255;

// Ctrl+Z: ends standard input and the contents of the configuration file wherever it stands.
inline constexpr char kEndOfInput = 26;

// The first 255 characters of `text`.
inline std::string_view CutText(std::string_view text) {
  return text.substr(0, kMaxTextLength);
}

// Appends `part`, dropping whatever would go past 255 characters.
inline void AppendCut(std::string& text, std::string_view part) {
  if (text.size() >= kMaxTextLength) return;
  text.append(part.substr(0, kMaxTextLength - text.size()));
}

// Only ASCII: the user's locale must not decide what a digit or a switch letter is.
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

}  // namespace calcorix
