#pragma once

#include <string_view>

namespace calcorix {

// Adds up a sum text (number runs, "+" and "-") from left to right in 80-bit precision, without
// writing anything back: the first term is read with its leading signs ("--2" is 2); after a "+"
// the next ReadNumberAt is added, after a "-" it is subtracted (it reads its own signs, so
// "2--12" is 14); any other character is passed over. The empty text gives 0.
// Errors: EOverflow from a sum or from TextToNumber.
long double SumPass(std::string_view text);

}  // namespace calcorix
