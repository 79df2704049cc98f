#include "driver/formula_hint.hpp"

#include <algorithm>

#include "base/text.hpp"

namespace calcorix {
namespace {

constexpr std::string_view kIndent = "  ";

bool IsNameCharacter(char c) {
  return IsDigit(c) || (UpperAscii(c) >= 'A' && UpperAscii(c) <= 'Z');
}

// The length of the well-formed UTF-8 character at `i`, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

std::string WhatIsWrong(std::string_view expression, std::size_t position, ErrorKind kind) {
  switch (kind) {
    case ErrorKind::UnmatchedParenthesis:
      return position < expression.size() && expression[position] == ')'
                 ? "ten nawias niczego nie zamyka"
                 : "ten nawias nie jest zamknięty";
    case ErrorKind::MissingNumber:
      return "tu brakuje liczby";
    case ErrorKind::MissingOperator:
      return "tu brakuje znaku działania";
    case ErrorKind::MalformedNumber:
      return "tu liczba jest zapisana błędnie";
    case ErrorKind::UnknownName: {
      std::size_t end = position;
      while (end < expression.size() && IsNameCharacter(expression[end]))
        ++end;
      return "nieznana nazwa \"" + std::string(expression.substr(position, end - position)) + "\"";
    }
    case ErrorKind::UnexpectedCharacter:
      return "tego znaku nie ma w wyrażeniach";
    case ErrorKind::None:
    case ErrorKind::DivisionByZero:
    case ErrorKind::CalculationError:
      break;
  }
  return "tu jest błąd";
}

}  // namespace

std::vector<std::string> FormulaHint(std::string_view expression, std::size_t position,
                                     ErrorKind kind, bool utf8) {
  position = std::min(position, expression.size());
  std::string shown(kIndent);
  std::size_t columns = 0;
  std::size_t caretColumn = 0;
  for (std::size_t i = 0; i < expression.size(); ++columns) {
    if (i <= position) caretColumn = columns;
    const char c = expression[i];
    std::size_t length = 1;
    if (c == '\t') {
      shown.push_back(' ');
    } else if (c >= 0x20 && c < 0x7F) {
      shown.push_back(c);
    } else if (utf8 && (length = Utf8Length(expression, i)) != 0) {
      shown.append(expression.substr(i, length));
    } else {
      length = 1;
      shown.push_back('?');
    }
    i += length;
  }
  if (position == expression.size()) caretColumn = columns;
  std::string caret(kIndent);
  caret.append(caretColumn, ' ');
  caret += "^ " + WhatIsWrong(expression, position, kind);
  return {shown, caret};
}

}  // namespace calcorix
