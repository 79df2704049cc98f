#include "settings/switches.hpp"

#include <string_view>
#include <vector>

#include "platform/process.hpp"
#include "settings/whole_number.hpp"

namespace calcorix {
namespace {

bool IsSwitch(std::string_view parameter) {
  return !parameter.empty() && parameter[0] == '-';
}

// The value text of the switch at parameter number `number` (from its third character on).
std::string_view SwitchValue(std::size_t number) {
  const std::string_view parameter = CutText(Parameters()[number - 1]);
  return parameter.substr(2);
}

}  // namespace

std::size_t FindSwitch(char letter) {
  const char wanted = LowerAscii(letter);
  const std::vector<std::string>& parameters = Parameters();
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string& parameter = parameters[i];
    if (parameter.size() >= 2 && parameter[0] == '-' && LowerAscii(parameter[1]) == wanted) {
      return i + 1;
    }
  }
  return 0;
}

bool SwitchPresent(char letter) {
  return FindSwitch(letter) != 0;
}

std::int32_t SwitchInteger(char letter) {
  const std::size_t number = FindSwitch(letter);
  return number == 0 ? 0 : WholeNumberValue(SwitchValue(number));
}

std::string SwitchText(char letter) {
  const std::size_t number = FindSwitch(letter);
  if (number == 0) return {};
  const std::vector<std::string>& parameters = Parameters();
  std::size_t next = number;  // 0-based index of the parameter after the switch
  QuotedValue value(SwitchValue(number));
  while (value.WantsMore() && next < parameters.size())
    value.Append(CutText(parameters[next++]));
  return value.Text();
}

std::size_t CountExpressionWords() {
  std::size_t count = 0;
  for (const std::string& parameter : Parameters()) {
    if (!IsSwitch(parameter)) ++count;
  }
  return count;
}

std::string ExpressionWord(std::size_t n) {
  if (n == 0) return {};
  std::size_t count = 0;
  for (const std::string& parameter : Parameters()) {
    if (!IsSwitch(parameter) && ++count == n) return std::string(CutText(parameter));
  }
  return {};
}

std::string JoinExpressionWords(std::size_t count) {
  std::string joined;
  std::size_t taken = 0;
  for (const std::string& parameter : Parameters()) {
    if (taken == count || joined.size() >= kMaxTextLength) break;
    if (IsSwitch(parameter)) continue;
    AppendCut(joined, CutText(parameter));
    ++taken;
  }
  return joined;
}

}  // namespace calcorix
