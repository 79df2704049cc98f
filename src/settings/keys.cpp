#include "settings/keys.hpp"

#include "base/text.hpp"
#include "settings/whole_number.hpp"

namespace calcorix {

std::optional<std::size_t> ValueLetterIndex(std::string_view text, std::string_view letters) {
  if (text.size() != 1) return std::nullopt;
  const std::size_t index = letters.find(UpperAscii(text[0]));
  if (index == std::string_view::npos) return std::nullopt;
  return index;
}

bool IsUsableValue(char letter, std::string_view value) {
  switch (LowerAscii(letter)) {
    case 'i':
      return ValueLetterIndex(value, kInputLetters).has_value();
    case 't':
      return ValueLetterIndex(value, kAngleLetters).has_value();
    case 'o':
      return ValueLetterIndex(value, kFormatLetters).has_value();
    case 'e':
      return ValueLetterIndex(value, kTextModeLetters).has_value();
    case 'f':
      return value.empty() || ReadWholeNumber(value).has_value();
    case 'x':
      return value.empty();
    case 'p':
      return value.empty() || ValueLetterIndex(value, kGraphLetters).has_value();
    default:
      return true;
  }
}

}  // namespace calcorix
