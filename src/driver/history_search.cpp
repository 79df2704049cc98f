#include "driver/history_search.hpp"

#include <algorithm>
#include <climits>
#include <cwchar>

#include "base/text.hpp"

namespace calcorix {
namespace {

// Where `text` first occurs in `entry`, ignoring the case of ASCII letters.
std::size_t FindIgnoringCase(std::string_view entry, std::string_view text) {
  const auto found = std::search(entry.begin(), entry.end(), text.begin(), text.end(),
                                 [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
  return found == entry.end() ? std::string_view::npos
                              : static_cast<std::size_t>(found - entry.begin());
}

}  // namespace

SearchStep HistorySearch::Press(wchar_t key) {
  constexpr wchar_t kCtrlG = 7, kBackspace = 8, kCtrlR = 18, kDelete = 127;
  if (key == kCtrlR) {
    Older();
  } else if (key == kBackspace || key == kDelete) {
    Erase();
  } else if (key == kCtrlG) {
    return SearchStep::Cancelled;
  } else if (key < 0x20) {
    return SearchStep::Left;
  } else {
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    const std::size_t length = std::wcrtomb(bytes, key, &state);
    if (length <= sizeof bytes) Type({bytes, length});
  }
  return SearchStep::Searched;
}

void HistorySearch::Type(std::string_view bytes) {
  text_ += bytes;
  FindFrom(shown_.value_or(entries_.size()));
}

void HistorySearch::Erase() {
  while (!text_.empty() && (text_.back() & 0xc0) == 0x80)
    text_.pop_back();
  if (!text_.empty()) text_.pop_back();
  FindFrom(entries_.size());
}

void HistorySearch::Older() {
  if (shown_) FindFrom(*shown_, entries_[*shown_]);
}

void HistorySearch::FindFrom(std::size_t newest, std::string_view skipped) {
  failing_ = false;
  if (text_.empty()) {
    shown_.reset();
    return;
  }
  // `newest` may be one past the newest entry, and the history may be empty.
  for (std::size_t i = std::min(newest + 1, entries_.size()); i-- > 0;) {
    const std::size_t at = FindIgnoringCase(entries_[i], text_);
    if (at == std::string_view::npos || entries_[i] == skipped) continue;
    shown_ = i;
    shownAt_ = at;
    return;
  }
  failing_ = true;
}

std::string HistorySearch::Prompt() const {
  return "szukaj \"" + text_ + (failing_ ? "\" (brak): " : "\": ");
}

}  // namespace calcorix
