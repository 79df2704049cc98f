#include "engine/formula.hpp"

#include <algorithm>

#include "arith/decimal_digits.hpp"
#include "platform/console.hpp"

namespace calcorix {
namespace {

void ReportMissingParentheses(std::size_t missing, char which) {
  std::string line = "Brakuje ";
  AppendUnsigned(line, missing);
  line += " nawiasów \"";
  line += which;
  line += "\".";
  WriteLine(line);
}

}  // namespace

void ReportFormulaError(std::string_view text, std::size_t& position) {
  if (formulaValid) WriteLine("Błąd w formule");
  formulaValid = false;
  position = text.size();
}

bool CheckParentheses(std::string& expression) {
  formulaValid = true;
  // Blanks are never parentheses, so the counts can be taken before the text is touched, and a
  // rejected text is left exactly as it came.
  const auto openings =
      static_cast<std::size_t>(std::count(expression.begin(), expression.end(), '('));
  const auto closings =
      static_cast<std::size_t>(std::count(expression.begin(), expression.end(), ')'));
  if (closings < openings) {
    ReportMissingParentheses(openings - closings, ')');
    return false;
  }
  if (closings > openings) {
    ReportMissingParentheses(closings - openings, '(');
    return false;
  }
  std::size_t kept = 0;
  for (const char c : expression) {
    if (c == ' ') continue;
    // Only ASCII letters: tabs and code page 852 letters stay as they are.
    expression[kept++] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  expression.resize(kept);
  if (expression.empty()) expression.push_back('0');
  return true;
}

}  // namespace calcorix
