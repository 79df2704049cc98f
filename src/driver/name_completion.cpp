#include "driver/name_completion.hpp"

#include <algorithm>

#include "base/text.hpp"
#include "session/name_table.hpp"

namespace calcorix {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::size_t CommonPrefixLength(std::string_view a, std::string_view b) {
  const auto mismatch =
      std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin());
  return static_cast<std::size_t>(mismatch.first - a.begin());
}

}  // namespace

NameCompletion CompleteName(std::string_view beforeCursor, std::string_view afterCursor) {
  std::size_t start = beforeCursor.size();
  while (start > 0 && (IsLetter(beforeCursor[start - 1]) || IsDigit(beforeCursor[start - 1]))) {
    --start;
  }
  const std::size_t run = beforeCursor.size() - start;
  while (start < beforeCursor.size() && IsDigit(beforeCursor[start]))
    ++start;

  NameCompletion completion;
  completion.wordLength = beforeCursor.size() - start;
  if (run > 0 && completion.wordLength == 0) return completion;

  std::string word(beforeCursor.substr(start));
  std::transform(word.begin(), word.end(), word.begin(), UpperAscii);
  for (const NamedValue& entry : NamedValues()) {
    if (entry.name.starts_with(word)) completion.candidates.push_back(entry.name);
  }
  if (completion.candidates.empty()) return completion;

  std::string_view common = completion.candidates.front();
  for (std::string_view name : completion.candidates)
    common = common.substr(0, CommonPrefixLength(common, name));
  if (common.ends_with('(') && afterCursor.starts_with('(')) common.remove_suffix(1);
  completion.replacement = common;
  return completion;
}

std::string CandidateList(const std::vector<std::string_view>& candidates, std::size_t columns) {
  std::size_t width = 0;
  for (std::string_view name : candidates)
    width = std::max(width, name.size() + 2);
  const std::size_t perRow = std::max<std::size_t>(1, columns / std::max<std::size_t>(width, 1));
  std::string list = "\r\n";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    list += candidates[i];
    const bool rowEnds = (i + 1) % perRow == 0 || i + 1 == candidates.size();
    if (rowEnds) {
      list += "\r\n";
    } else {
      list.append(width - candidates[i].size(), ' ');
    }
  }
  return list;
}

}  // namespace calcorix
