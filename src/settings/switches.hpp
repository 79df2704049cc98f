#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/text_values.hpp"  // QuoteKind

// Questions about the command line. Every answer reads the parameters (platform Parameters())
// afresh; each parameter is taken as its first 255 characters.
//
// A switch is a parameter that begins with "-": its second character is its letter, matched
// without regard to ASCII case, and the rest is its value text. "-" alone is a switch without a
// letter. Every other parameter, the empty one included, is an expression word ("/?" is a word).
// Parameters and words are numbered from 1, and 0 means "none": FindSwitch answers 0 when no
// switch has the letter.
//
// None of these raises anything.

namespace calcorix {

// Number of the first parameter that is a switch with this letter; 0 when there is none.
std::size_t FindSwitch(char letter);

bool SwitchPresent(char letter);

// The value text as a signed 32-bit whole number (WholeNumberValue); 0 when the switch is absent
// or its value is no valid number. Quotes get no special treatment here.
std::int32_t SwitchInteger(char letter);

// The value text; empty when the switch is absent. A value that opens a quote (' " [) continues
// over the following parameters, joined with single blanks, up to the one that ends with the
// closing character; the last character is then dropped, also when no parameter closed the quote.
// At most 255 characters.
std::string SwitchText(char letter);

// Number of parameters that are expression words. Parameters that continue a quoted switch value
// count too, unless they begin with "-".
std::size_t CountExpressionWords();

// The n-th expression word (n from 1), cut to 255 characters; empty when n is 0 or beyond the
// count. Each call walks the parameters from the first.
std::string ExpressionWord(std::size_t n);

// ExpressionWord(1) + ... + ExpressionWord(count) with nothing between, cut to 255 characters,
// in one walk over the parameters: what the driver builds before every calculation.
std::string JoinExpressionWords(std::size_t count);

}  // namespace calcorix
