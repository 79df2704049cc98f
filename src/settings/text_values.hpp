#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text.hpp"

// What switch values and configuration lines have in common: a value that opens a quote is
// continued over the parameters or lines that follow it.

namespace calcorix {

// 1, 2 or 3 when the text's first character opens the quote pair ' ', " ", [ ]; else 0 (also for
// an empty text).
int QuoteKind(std::string_view text);

// The closing character of a quote pair (kind 1, 2 or 3).
char QuoteCloser(int kind);

// The value text of a switch or key line, with a quoted value continued: each part that
// nextPart(part) delivers is appended after one blank until a part ends with the closing
// character; then the last character is dropped, whether or not the quote was closed. The closing
// character is looked for only at the end of the following parts, never in `value` itself.
// nextPart returns false when no part follows.
template <class NextPart>
std::string JoinQuotedValue(std::string_view value, NextPart nextPart) {
  const int kind = QuoteKind(value);
  if (kind == 0) return std::string(value);
  const char closer = QuoteCloser(kind);
  std::string joined(CutText(value.substr(1)));
  std::string part;
  // Once 255 characters are joined, nothing more can be appended and the answer is fixed: a
  // quote left open at the top of a huge file must not make us read the rest of it.
  while (joined.size() < kMaxTextLength && nextPart(part)) {
    AppendCut(joined, " ");
    AppendCut(joined, part);
    if (!part.empty() && part.back() == closer) break;
  }
  if (!joined.empty()) joined.pop_back();
  return joined;
}

}  // namespace calcorix
