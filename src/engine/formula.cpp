#include "engine/formula.hpp"

#include <algorithm>

#include "base/text.hpp"

namespace calcorix {

void ReportFormulaError(FormulaState& state, std::string_view text, std::size_t& position) {
  state.formulaValid = false;
  position = text.size();
}

std::optional<MissingParentheses> CheckParentheses(std::string& expression, FormulaState& state) {
  state.formulaValid = true;
  // Blanks are never parentheses, so the counts can be taken before the text is touched, and a
  // rejected text is left exactly as it came.
  const auto openings =
      static_cast<std::size_t>(std::count(expression.begin(), expression.end(), '('));
  const auto closings =
      static_cast<std::size_t>(std::count(expression.begin(), expression.end(), ')'));
  if (closings < openings) return MissingParentheses{openings - closings, ')'};
  if (closings > openings) return MissingParentheses{closings - openings, '('};
  std::size_t kept = 0;
  for (const char c : expression) {
    if (c == ' ') continue;
    // Only ASCII letters: tabs and code page 852 letters stay as they are.
    expression[kept++] = UpperAscii(c);
  }
  expression.resize(kept);
  if (expression.empty()) expression.push_back('0');
  return std::nullopt;
}

}  // namespace calcorix
