#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Tab completion of the expression language's names at the terminal, without the terminal: which
// names fit the word before the cursor, and what the word becomes.

namespace calcorix {

struct NameCompletion {
  // How many characters before the cursor form the partial name (the word to replace).
  std::size_t wordLength = 0;
  // What the word becomes: the longest upper-case text that every candidate begins with. A sole
  // function candidate brings its "(", unless a "(" already follows the cursor.
  std::string replacement;
  // The names that fit, in the name table's alphabetical order ("SQR(", "SQRT(", "PI", ...).
  std::vector<std::string_view> candidates;
};

// Completes the name that ends at the cursor. The word is the run of letters and digits before
// the cursor, less leading digits (in "2pi" the word is "pi"); case does not matter. An empty word
// fits every name; a word of digits alone is a number and fits none.
NameCompletion CompleteName(std::string_view beforeCursor, std::string_view afterCursor);

// The candidates in columns as wide as the longest name and two blanks, as many as fit in
// `columns` (at least one), row by row: each row ends with CR LF, and a CR LF comes first.
std::string CandidateList(const std::vector<std::string_view>& candidates, std::size_t columns);

}  // namespace calcorix
