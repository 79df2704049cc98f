#include "engine/readers.hpp"

#include "engine/formula.hpp"
#include "engine/number_text.hpp"

namespace calcorix {
namespace {

bool IsSign(char c) {
  return c == '+' || c == '-';
}

bool IsProductOrSumOperator(char c) {
  return c == '*' || c == '/' || IsSign(c);
}

}  // namespace

int ReadSigns(std::string_view text, std::size_t& position) {
  int sign = 1;
  for (; position < text.size() && IsSign(text[position]); ++position) {
    if (text[position] == '-') sign = -sign;
  }
  return sign;
}

std::size_t NumberRunEnd(std::string_view text, std::size_t start) {
  std::size_t i = start;
  while (i < text.size() && IsNumberChar(text[i])) {
    const bool signedExponent = text[i] == 'E' && i + 1 < text.size() && IsSign(text[i + 1]);
    i += signedExponent ? 2 : 1;
  }
  return i;
}

std::size_t NumberRunStartBefore(std::string_view text, std::size_t end) {
  std::size_t i = end;
  while (i > 0) {
    const char c = text[i - 1];
    const bool exponentSign = IsSign(c) && i >= 2 && text[i - 2] == 'E';
    if (!IsNumberChar(c) && !exponentSign) break;
    --i;
  }
  if (i > 0 && IsSign(text[i - 1]) && (i == 1 || IsProductOrSumOperator(text[i - 2]))) --i;
  return i;
}

long double ReadNumberAt(std::string_view text, std::size_t& position) {
  const int sign = ReadSigns(text, position);
  const std::size_t start = position;
  position = NumberRunEnd(text, start);
  const long double value = TextToNumber(text.substr(start, position - start));
  return WithSign(sign, value);
}

long double TakeLastNumber(std::string& out) {
  const std::size_t start = NumberRunStartBefore(out, out.size());
  const long double value = TextToNumber(std::string_view(out).substr(start));
  out.resize(start);
  return value;
}

std::size_t MatchingClose(std::string_view text, std::size_t open) {
  std::size_t depth = 1;
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::size_t MatchingOpen(std::string_view text, std::size_t close) {
  std::size_t depth = 1;
  for (std::size_t i = close; i > 0;) {
    --i;
    if (text[i] == ')') {
      ++depth;
    } else if (text[i] == '(' && --depth == 0) {
      return i;
    }
  }
  return std::string_view::npos;
}

bool ExtractGroup(std::string_view text, std::size_t& position, std::string_view& inner,
                  FormulaState& state) {
  const std::size_t close = MatchingClose(text, position);
  if (close == std::string_view::npos) {
    inner = {};
    ReportFormulaError(state, text, position);
    return false;
  }
  inner = text.substr(position + 1, close - position - 1);
  position = close + 1;
  return true;
}

bool ExtractArgument(std::string_view text, std::size_t& position, std::string& argument,
                     FormulaState& state) {
  std::string_view inner;
  const bool found = ExtractGroup(text, position, inner, state);
  argument.assign(inner);
  return found;
}

}  // namespace calcorix
