#include "session/grammar.hpp"

#include "base/text.hpp"
#include "session/name_table.hpp"

namespace calcorix {
namespace {

bool IsLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

bool IsSign(char c) {
  return c == '+' || c == '-';
}

bool IsBinaryOperator(char c) {
  return IsSign(c) || c == '*' || c == '/' || c == '^';
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i]))
    ++i;
  return i;
}

// Reads the number that starts at `i` (a digit or "."), as far as the number grammar goes: its
// end, or the fault inside it.
struct NumberEnd {
  std::size_t end = 0;
  bool complete = false;
};

NumberEnd ReadNumber(std::string_view text, std::size_t i) {
  const std::size_t integerEnd = SkipDigits(text, i);
  bool anyDigit = integerEnd > i;
  i = integerEnd;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    anyDigit = anyDigit || fractionEnd > i + 1;
    i = fractionEnd;
  }
  if (!anyDigit) return {i, false};
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && IsSign(text[i])) ++i;
    const std::size_t exponentEnd = SkipDigits(text, i);
    if (exponentEnd == i) return {i, false};
    i = exponentEnd;
  }
  return {i, true};
}

// What the last operand was, for telling a second number glued to a number ("1.5.5") and a name
// glued to a constant ("ANSWER") from other operands side by side.
enum class Operand { Number, Constant, Other };

}  // namespace

std::optional<FormulaFault> FindFormulaFault(std::string_view text) {
  const auto fault = [](ErrorKind kind, std::size_t at) { return FormulaFault{kind, at}; };
  if (text.empty()) return std::nullopt;
  std::size_t depth = 0;  // groups and calls still open
  bool wantOperand = true;
  Operand last = Operand::Other;
  std::size_t lastStart = 0;
  std::size_t lastEnd = 0;  // just after the last operand's text
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (wantOperand) {
      if (IsSign(c)) {
        ++i;
      } else if (IsDigit(c) || c == '.') {
        const NumberEnd number = ReadNumber(text, i);
        if (!number.complete) return fault(ErrorKind::MalformedNumber, number.end);
        last = Operand::Number;
        lastStart = i;
        lastEnd = number.end;
        i = number.end;
        wantOperand = false;
      } else if (c == '(') {
        ++depth;
        ++i;
      } else if (const NamedValue* named = MatchName(text, i)) {
        const std::size_t start = i;
        i += named->name.size();
        if (named->function != nullptr) {
          ++depth;  // the name ends with its "("
        } else {
          last = Operand::Constant;
          lastStart = start;
          lastEnd = i;
          wantOperand = false;
        }
      } else if (IsLetter(c)) {
        return fault(ErrorKind::UnknownName, i);
      } else if (c == ')') {
        return fault(depth == 0 ? ErrorKind::UnmatchedParenthesis : ErrorKind::MissingNumber, i);
      } else if (c == '*' || c == '/' || c == '^' || c == '!') {
        return fault(ErrorKind::MissingNumber, i);
      } else {
        return fault(ErrorKind::UnexpectedCharacter, i);
      }
      continue;
    }
    if (c == '!') {
      ++i;
    } else if (IsBinaryOperator(c)) {
      wantOperand = true;
      ++i;
    } else if (c == ')') {
      if (depth == 0) return fault(ErrorKind::UnmatchedParenthesis, i);
      --depth;
      ++i;
    } else if (IsLetter(c) && MatchName(text, i) == nullptr) {
      // Letters right after a constant are one unknown name with it: "ANSWER", "PIX"; an "E"
      // right after a whole number is a second exponent: "1E5E3".
      const bool glued = i == lastEnd;
      if (glued && last == Operand::Constant) return fault(ErrorKind::UnknownName, lastStart);
      if (glued && last == Operand::Number && c == 'E') return fault(ErrorKind::MalformedNumber, i);
      return fault(ErrorKind::UnknownName, i);
    } else if (c == '.' && i == lastEnd && last == Operand::Number) {
      return fault(ErrorKind::MalformedNumber, i);  // "1.5.5"
    } else if (IsDigit(c) || c == '.' || c == '(' || IsLetter(c)) {
      return fault(ErrorKind::MissingOperator, i);
    } else {
      return fault(ErrorKind::UnexpectedCharacter, i);
    }
  }
  if (wantOperand) return fault(ErrorKind::MissingNumber, i);
  if (depth > 0) return fault(ErrorKind::UnmatchedParenthesis, i);
  return std::nullopt;
}

}  // namespace calcorix
