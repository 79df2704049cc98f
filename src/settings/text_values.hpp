#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.hpp"

// What switch values and configuration lines have in common: a value that opens a quote is
// continued over the parameters or lines that follow it.

namespace calcorix {

// The quote pairs that open a quoted value: ' ', " ", [ ].
enum class Quote : std::uint8_t { None, Single, Double, Bracket };

// The pair whose opening character begins the text; None also for an empty text.
Quote QuoteKind(std::string_view text);

// The closing character of a quote pair (not None).
char QuoteCloser(Quote kind);

// The value text of a switch or key line, with a quoted value continued over the parts that follow
// it (parameters, or lines): each part is appended after one blank until a part ends with the
// closing character; then the last character is dropped, whether or not the quote was closed. The
// closing character is looked for only at the end of the following parts, never in the value
// itself. A value that opens no quote is taken as it is.
class QuotedValue {
 public:
  explicit QuotedValue(std::string_view value);

  // True while the quote is open and fewer than 255 characters are joined: once 255 are, nothing
  // more can be appended, and a quote left open at the top of a huge file must not make us read
  // the rest of it.
  bool WantsMore() const { return closer_ != 0; }

  // Appends the next part; only while WantsMore().
  void Append(std::string_view part);

  // The value text, at most 255 characters.
  std::string Text() const;

 private:
  std::string text_;
  bool quoted_ = false;
  char closer_ = 0;  // while more parts may join
};

}  // namespace calcorix
