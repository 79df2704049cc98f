#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The incremental search of the history (Ctrl-R), without the terminal: the text typed so far, and
// the entry it leads to. The text is found as typed, ignoring the case of ASCII letters as the
// expressions do; it is no pattern, so "*", "^" and "." in expressions are found as themselves.

namespace calcorix {

// What a key typed during the search did.
enum class SearchStep {
  Searched,   // the text or the entry shown changed (or stayed, when nothing more was found)
  Cancelled,  // Ctrl-G: the search ends, and the line from before it comes back
  Left,       // any other key: the search ends on the line shown, and the key does its usual work
};

class HistorySearch {
 public:
  // A search of `entries` (oldest first), which must outlive it; nothing is found yet.
  explicit HistorySearch(const std::vector<std::string>& entries) : entries_(entries) {}

  // A key typed during the search, in the locale's characters: Ctrl-R finds an older entry,
  // Backspace or Delete erases, Ctrl-G cancels, other control keys leave, the rest is typed.
  SearchStep Press(wchar_t key);

  // The text grows by `bytes` (one typed character): the newest entry that holds it, from the one
  // shown back, is shown.
  void Type(std::string_view bytes);
  // The text loses its last character (a whole UTF-8 sequence), and the search begins again at the
  // newest entry.
  void Erase();
  // Ctrl-R again: the next older entry that holds the text and differs from the one shown.
  void Older();

  // The entry shown, or nothing: the line from before the search is shown while the text is empty
  // or nothing has been found. When the text is found nowhere further, the last entry found stays.
  std::optional<std::size_t> Shown() const { return shown_; }
  // Where the text begins in the entry shown.
  std::size_t ShownAt() const { return shownAt_; }
  // True when the last key found nothing.
  bool Failing() const { return failing_; }
  const std::string& Text() const { return text_; }
  // The prompt that shows the search: szukaj "text": , or szukaj "text" (brak): when failing.
  std::string Prompt() const;

 private:
  // Shows the newest entry from `newest` back that holds the text and is not `skipped`.
  void FindFrom(std::size_t newest, std::string_view skipped = {});

  const std::vector<std::string>& entries_;
  std::string text_;
  std::optional<std::size_t> shown_;
  std::size_t shownAt_ = 0;
  bool failing_ = false;
};

}  // namespace calcorix
