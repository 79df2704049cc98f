#include "engine/formula.hpp"

#include <algorithm>
#include <vector>

#include "base/text.hpp"

namespace calcorix {
namespace {

// Blanks and tabs only separate what the user typed; they are never part of the expression.
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t UnmatchedParenthesis(std::string_view text, char missing) {
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      open.push_back(i);
    } else if (text[i] == ')') {
      if (open.empty() && missing == '(') return i;
      if (!open.empty()) open.pop_back();
    }
  }
  // More "(" than ")": at least one is left open, whatever the order.
  return open.empty() ? 0 : open.front();
}

}  // namespace

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
  if (openings != closings) {
    const char missing = closings < openings ? ')' : '(';
    const std::size_t count = closings < openings ? openings - closings : closings - openings;
    return MissingParentheses{count, missing, UnmatchedParenthesis(expression, missing)};
  }
  std::size_t kept = 0;
  for (const char c : expression) {
    if (IsBlank(c)) continue;
    // A comma is what a comma locale prints as the decimal point: it reads back as one.
    // Only ASCII letters change case: code page 852 letters stay as they are.
    expression[kept++] = c == ',' ? '.' : UpperAscii(c);
  }
  expression.resize(kept);
  if (expression.empty()) expression.push_back('0');
  return std::nullopt;
}

std::size_t PositionBeforeCleaning(std::string_view given, std::size_t cleaned) {
  std::size_t kept = 0;
  std::size_t afterLastKept = 0;
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (IsBlank(given[i])) continue;
    if (kept++ == cleaned) return i;
    afterLastKept = i + 1;
  }
  return afterLastKept;
}

}  // namespace calcorix
