#include "driver/history_search.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace calcorix::test {
namespace {

constexpr wchar_t kCtrlG = 7, kCtrlR = 18, kDelete = 127, kLeft = 2;

TEST(HistorySearch, KeysLeadToTheEntryShown) {
  const std::vector<std::string> history = {"6*7", "2^10", "sqrt(16)*3", "1+1"};
  struct Case {
    std::vector<std::string> entries;
    std::wstring keys;
    std::optional<std::size_t> shown;  // nothing: the line from before the search
    std::size_t at;
    std::string prompt;
    SearchStep lastStep = SearchStep::Searched;
  };
  const Case cases[] = {
      {history, L"*", 2, 8, "szukaj \"*\": "},
      {history, std::wstring(L"*") + kCtrlR, 0, 1, "szukaj \"*\": "},  // older, and different
      {history, L"SQRT", 2, 0, "szukaj \"SQRT\": "},
      {history, L"^1", 1, 1, "szukaj \"^1\": "},
      {history, L"*x", 2, 8, "szukaj \"*x\" (brak): "},  // the last entry found stays
      {history, std::wstring(L"*x") + kDelete + kDelete + L"2^", 1, 0, "szukaj \"2^\": "},
      {history, std::wstring(L"1") + kDelete, std::nullopt, 0, "szukaj \"\": "},
      {history, std::wstring(1, kCtrlR), std::nullopt, 0, "szukaj \"\": "},
      {history, std::wstring(L"7") + kCtrlR, 0, 2, "szukaj \"7\" (brak): "},
      {history, std::wstring(L"6") + kCtrlG, 2, 6, "szukaj \"6\": ", SearchStep::Cancelled},
      {history, std::wstring(L"6") + kLeft, 2, 6, "szukaj \"6\": ", SearchStep::Left},
      // An empty history: nothing to find, whatever is typed.
      {{}, L"x", std::nullopt, 0, "szukaj \"x\" (brak): "},
      {{}, std::wstring(L"x") + kCtrlR + kDelete, std::nullopt, 0, "szukaj \"\": "},
      // A repeated entry is passed over by Ctrl-R.
      {{"2*2", "1+2", "2*2"}, std::wstring(L"2*") + kCtrlR, 2, 0, "szukaj \"2*\" (brak): "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keys.begin(), c.keys.end()));
    HistorySearch search(c.entries);
    SearchStep step = SearchStep::Searched;
    for (const wchar_t key : c.keys)
      step = search.Press(key);
    EXPECT_EQ(step, c.lastStep);
    EXPECT_EQ(search.Shown(), c.shown);
    if (c.shown) {
      EXPECT_EQ(search.ShownAt(), c.at);
    }
    EXPECT_EQ(search.Prompt(), c.prompt);
  }
}

}  // namespace
}  // namespace calcorix::test
