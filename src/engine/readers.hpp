#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/formula.hpp"

// The small readers that every pass shares. Positions are 0-based indices into the text; none of
// these reads before the first or past the last character, whatever the text holds.
//
// A number run is a maximal run of NumberChars in which a "+" or "-" directly after an "E" also
// belongs to the run ("1E-5" is one run).

namespace calcorix {

// Moves position past a run of "+" and "-" and gives -1 for an odd number of "-", else +1
// (also +1 at the end of the text). Raises nothing.
int ReadSigns(std::string_view text, std::size_t& position);

// The value with the sign ReadSigns gave; -0 for a zero under a "-".
inline long double WithSign(int sign, long double value) {
  return sign < 0 ? -value : value;
}

// The end (one past the last character) of the number run that starts at `start`; `start` itself
// when no run starts there. Raises nothing.
std::size_t NumberRunEnd(std::string_view text, std::size_t start);

// The start of the number run that ends just before `end`, moving left; a "+" or "-" in front of
// the run is taken with it when it begins the text or follows one of "*", "+", "-", "/" (a sign
// after "(", "^" or anything else is not). `end` itself when nothing is taken. Raises nothing.
std::size_t NumberRunStartBefore(std::string_view text, std::size_t end);

// ReadSigns, then the number run after it: position ends on the first character after the run,
// and the value is the sign times TextToNumber of the run (an empty run gives 0).
// Errors: EOverflow from TextToNumber.
long double ReadNumberAt(std::string_view text, std::size_t& position);

// Removes the last number run of `out` (with its sign, as NumberRunStartBefore decides) and gives
// TextToNumber of it; 0 when `out` ends in no number. Errors: EOverflow from TextToNumber.
long double TakeLastNumber(std::string& out);

// The index of the ")" that closes the "(" at `open`, or npos when the text ends first.
std::size_t MatchingClose(std::string_view text, std::size_t open);

// The index of the "(" that opens the ")" at `close`, or npos when the text begins first.
std::size_t MatchingOpen(std::string_view text, std::size_t close);

// position is on a "(". On success `inner` views the text between it and its matching ")",
// position moves to the character after that ")", and the answer is true. When the ")" is missing:
// ReportFormulaError (position goes to the end of the text), `inner` is empty, the answer false.
// Raises nothing.
bool ExtractGroup(std::string_view text, std::size_t& position, std::string_view& inner,
                  FormulaState& state);

// ExtractGroup with the argument copied out (the scanner takes function arguments with it).
// On failure `argument` is left empty. Raises nothing.
bool ExtractArgument(std::string_view text, std::size_t& position, std::string& argument,
                     FormulaState& state);

}  // namespace calcorix
