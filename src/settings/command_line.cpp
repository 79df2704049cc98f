#include "settings/command_line.hpp"

#include <algorithm>
#include <string_view>
#include <utility>

#include "base/text.hpp"
#include "settings/text_values.hpp"
#include "settings/whole_number.hpp"

namespace calcorix {
namespace {

bool IsSwitch(std::string_view parameter) {
  return !parameter.empty() && parameter[0] == '-';
}

// The value text of the switch at parameters[index], a quoted one joined over those after it.
std::string JoinedValue(const std::vector<std::string>& parameters, std::size_t index) {
  QuotedValue value(CutText(parameters[index]).substr(2));
  for (std::size_t next = index + 1; value.WantsMore() && next < parameters.size(); ++next)
    value.Append(CutText(parameters[next]));
  return value.Text();
}

}  // namespace

CommandLine ParseCommandLine(std::vector<std::string> parameters) {
  CommandLine line;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const std::string_view parameter = CutText(parameters[i]);
    if (!IsSwitch(parameter)) {
      line.words.emplace_back(parameter);
      continue;
    }
    if (parameters[i] == "--help") line.helpRequested = true;
    if (parameters[i] == "--version") line.versionRequested = true;
    if (parameter.size() < 2) continue;
    const char letter = LowerAscii(parameter[1]);
    if (line.FindSwitch(letter) != 0) continue;
    line.switches.push_back(
        {i + 1, letter, JoinedValue(parameters, i), WholeNumberValue(parameter.substr(2))});
  }
  line.helpRequested = line.helpRequested || line.SwitchPresent('?') || line.SwitchPresent('h');
  line.graphRequested = line.SwitchPresent('p');
  line.parameters = std::move(parameters);
  return line;
}

const CommandLine::Switch* CommandLine::Find(char letter) const {
  const char wanted = LowerAscii(letter);
  const auto found = std::find_if(switches.begin(), switches.end(),
                                  [wanted](const Switch& s) { return s.letter == wanted; });
  return found != switches.end() ? &*found : nullptr;
}

std::size_t CommandLine::FindSwitch(char letter) const {
  const Switch* found = Find(letter);
  return found != nullptr ? found->number : 0;
}

std::int32_t CommandLine::SwitchInteger(char letter) const {
  const Switch* found = Find(letter);
  return found != nullptr ? found->integer : 0;
}

std::string CommandLine::SwitchText(char letter) const {
  const Switch* found = Find(letter);
  return found != nullptr ? found->text : std::string();
}

std::string CommandLine::ExpressionWord(std::size_t n) const {
  return n >= 1 && n <= words.size() ? words[n - 1] : std::string();
}

bool CommandLine::ExpressionIsCut(std::size_t count) const {
  // The words themselves are cut to 255 characters each: their lengths come from the parameters.
  std::size_t length = 0, taken = 0;
  for (const std::string& parameter : parameters) {
    if (taken == count) break;
    if (IsSwitch(parameter)) continue;
    length += parameter.size();
    ++taken;
  }
  return length > kMaxTextLength;
}

std::string CommandLine::JoinExpressionWords(std::size_t count) const {
  std::string joined;
  for (std::size_t n = 0; n < count && n < words.size() && joined.size() < kMaxTextLength; ++n)
    AppendCut(joined, words[n]);
  return joined;
}

}  // namespace calcorix
