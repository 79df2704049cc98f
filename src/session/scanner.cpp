#include "session/scanner.hpp"

#include "base/text.hpp"
#include "engine/compute.hpp"
#include "engine/formula.hpp"
#include "engine/number_text.hpp"
#include "engine/readers.hpp"
#include "session/name_table.hpp"

namespace calcorix {
namespace {

bool IsOperatorChar(char c) {
  switch (c) {
    case '!':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '^':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string ScanExpression(Session& session, std::string_view text) {
  std::string out;
  out.reserve(text.size() + 48);
  std::string argument;
  std::size_t position = 0;
  while (position < text.size()) {
    const char c = text[position];
    if (IsOperatorChar(c)) {
      out.push_back(c);
      ++position;
    } else if (IsDigit(c) || c == '.') {
      // A number literal as typed, copied unchecked: the passes read it later.
      const std::size_t end = NumberRunEnd(text, position);
      out.append(text.substr(position, end - position));
      position = end;
    } else if (const NamedValue* named = MatchName(text, position)) {
      if (named->constant != nullptr) {
        position += named->name.size();
        AppendSubstitutedValue(out, named->constant(session));
        continue;
      }
      position += named->name.size() - 1;  // onto the "(" that ends the name
      if (!ExtractArgument(text, position, argument, session.formula)) break;
      const std::string reduced = ScanExpression(session, argument);
      AppendSubstitutedValue(out, named->function(session, ComputeText(reduced, session.formula)));
    } else {
      ReportFormulaError(session.formula, text, position);
    }
  }
  return out;
}

}  // namespace calcorix
