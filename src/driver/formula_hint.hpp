#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/line_sink.hpp"

// Where an expression breaks, shown to a user at a terminal after its error line: the expression
// as typed, and a caret under the place with a word on what is wrong there.
//
//     2+*3
//       ^ tu brakuje liczby

namespace calcorix {

// The two lines of the hint for a fault of `kind` at `position` in `expression` (the text as
// typed; position may be its length). The expression is shown as one line of plain text: a tab as
// a blank, any other control character or byte that the terminal could not show as one character
// as "?"; with `utf8`, a well-formed UTF-8 character is kept and takes one column.
std::vector<std::string> FormulaHint(std::string_view expression, std::size_t position,
                                     ErrorKind kind, bool utf8);

}  // namespace calcorix
