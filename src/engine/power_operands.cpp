#include "engine/power_operands.hpp"

#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "engine/number_text.hpp"
#include "engine/readers.hpp"

namespace calcorix {
namespace {

std::optional<long double> ReportMissingParenthesis(std::string_view text, FormulaState& state) {
  std::size_t ignored = 0;
  ReportFormulaError(state, text, ignored);
  return std::nullopt;
}

}  // namespace

std::optional<long double> ReadRightOperand(std::string_view after, std::size_t& length,
                                            FormulaState& state) {
  std::size_t position = 0;
  const int sign = ReadSigns(after, position);
  long double value;
  if (position < after.size() && after[position] == '(') {
    const std::size_t close = MatchingClose(after, position);
    if (close == std::string_view::npos) return ReportMissingParenthesis(after, state);
    value = ComputeText(after.substr(position + 1, close - position - 1), state);
    length = close + 1;
  } else {
    length = NumberRunEnd(after, position);
    value = TextToNumber(after.substr(position, length - position));
  }
  return WithSign(sign, value);
}

std::optional<long double> ReadLeftOperand(std::string_view before, std::size_t& start,
                                           FormulaState& state) {
  const std::size_t end = before.size();
  if (end > 0 && before[end - 1] == ')') {
    start = MatchingOpen(before, end - 1);
    if (start == std::string_view::npos) return ReportMissingParenthesis(before, state);
    return ComputeText(before.substr(start + 1, end - start - 2), state);
  }
  start = NumberRunStartBefore(before, end);
  return TextToNumber(before.substr(start));
}

std::size_t CountFactorialMarks(std::string_view before) {
  std::size_t count = 0;
  while (count < before.size() && before[before.size() - 1 - count] == '!')
    ++count;
  return count;
}

}  // namespace calcorix
