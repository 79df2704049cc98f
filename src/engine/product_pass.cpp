#include "engine/product_pass.hpp"

#include <optional>
#include <string>
#include <vector>

#include "arith/checked.hpp"
#include "engine/formula.hpp"
#include "engine/number_text.hpp"
#include "engine/readers.hpp"
#include "engine/sum_pass.hpp"

namespace calcorix {
namespace {

constexpr std::size_t kUnmatched = std::string_view::npos;

// For every "(" of the text handed to ProductPass, the index of its ")" (kUnmatched when the
// text ends first), found in one sweep so that nested groups are not scanned again at each level.
// Groups are views into that text, so a view's offset from `base` locates its parentheses.
struct GroupEnds {
  const char* base = nullptr;
  std::vector<std::size_t> closeAt;
};

void FindGroupEnds(std::string_view text, GroupEnds& ends) {
  ends.base = text.data();
  ends.closeAt.assign(text.size(), kUnmatched);
  // The open "(" form a chain through closeAt until their ")" turns up.
  std::size_t innermostOpen = kUnmatched;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      ends.closeAt[i] = innermostOpen;
      innermostOpen = i;
    } else if (text[i] == ')' && innermostOpen != kUnmatched) {
      const std::size_t open = innermostOpen;
      innermostOpen = ends.closeAt[open];
      ends.closeAt[open] = i;
    }
  }
  while (innermostOpen != kUnmatched) {
    const std::size_t open = innermostOpen;
    innermostOpen = ends.closeAt[open];
    ends.closeAt[open] = kUnmatched;
  }
}

// ExtractGroup, with the ")" looked up instead of searched for.
bool TakeGroup(std::string_view text, std::size_t& position, const GroupEnds& ends,
               std::string_view& inner, FormulaState& state) {
  const auto offset = static_cast<std::size_t>(text.data() - ends.base);
  const std::size_t close = ends.closeAt[offset + position];
  if (close == kUnmatched) {
    ReportFormulaError(state, text, position);
    return false;
  }
  const std::size_t localClose = close - offset;
  inner = text.substr(position + 1, localClose - position - 1);
  position = localClose + 1;
  return true;
}

bool IsDigitOrPoint(char c) {
  return IsDigit(c) || c == '.';
}

long double ProductPassOver(std::string_view text, const GroupEnds& ends, FormulaState& state);

bool StartsOperand(std::string_view text, std::size_t position) {
  return position < text.size() && (IsNumberChar(text[position]) || text[position] == '(');
}

// What StartsOperand found at position: a number run, or a group computed by this pass (the right
// operand of "*" and "/", and a group standing alone). A group without its ")" is a formula error
// (ruling D4): nullopt.
std::optional<long double> ReadOperand(std::string_view text, std::size_t& position,
                                       const GroupEnds& ends, FormulaState& state) {
  if (text[position] != '(') return ReadNumberAt(text, position);
  std::string_view group;
  if (!TakeGroup(text, position, ends, group, state)) return std::nullopt;
  return ProductPassOver(group, ends, state);
}

// The "*" or "/" at text[position]. Appends the result to `sum`, or reports a formula error
// (which moves position to the end of the text). "*" takes its left operand before it reads the
// right one; "/" reads its divisor first. So "2*(" has already given up its 2 when the missing ")"
// stops the pass, while "2/(" keeps it.
void ApplyProductOperator(std::string_view text, std::size_t& position, const GroupEnds& ends,
                          std::string& sum, FormulaState& state) {
  const bool divide = text[position] == '/';
  ++position;
  const int sign = ReadSigns(text, position);
  if (!StartsOperand(text, position)) {
    ReportFormulaError(state, text, position);
    return;
  }
  long double result;
  if (divide) {
    const std::optional<long double> divisor = ReadOperand(text, position, ends, state);
    if (!divisor) return;
    result = Div(WithSign(sign, TakeLastNumber(sum)), *divisor);
  } else {
    const long double left = WithSign(sign, TakeLastNumber(sum));
    const std::optional<long double> right = ReadOperand(text, position, ends, state);
    if (!right) return;
    result = Mul(left, *right);
  }
  AppendSubstitutedValue(sum, result);
}

long double ProductPassOver(std::string_view text, const GroupEnds& ends, FormulaState& state) {
  std::string sum;
  sum.reserve(text.size() + 32);
  std::size_t position = 0;
  while (position < text.size()) {
    const char c = text[position];
    if (c == '(') {
      if (const std::optional<long double> value = ReadOperand(text, position, ends, state)) {
        AppendSubstitutedValue(sum, *value);
      }
    } else if (c == '*' || c == '/') {
      ApplyProductOperator(text, position, ends, sum, state);
    } else if (c == '+' || c == '-') {
      sum.push_back(c);
      ++position;
    } else if (IsDigitOrPoint(c)) {
      const std::size_t end = NumberRunEnd(text, position);
      sum.append(text.substr(position, end - position));
      position = end;
    } else {
      ReportFormulaError(state, text, position);
    }
  }
  return SumPass(sum);
}

}  // namespace

long double ProductPass(std::string_view text, FormulaState& state) {
  GroupEnds ends;
  if (text.find('(') != std::string_view::npos) FindGroupEnds(text, ends);
  return ProductPassOver(text, ends, state);
}

}  // namespace calcorix
