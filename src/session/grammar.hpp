#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "calcorix/line_sink.hpp"

// The grammar of well-formed expressions. The passes compute whatever text they are given (a
// number glued to a group, an operand left out), so whether a text means anything is decided
// here, once, for the result printer:
//
//   sum      := signs term { ("+" | "-") signs term }
//   term     := factor { ("*" | "/") signs factor }
//   factor   := postfix [ "^" signs factor ]
//   postfix  := primary { "!" }
//   primary  := number | "(" sum ")" | FUNCTION "(" sum ")" | CONSTANT
//   signs    := { "+" | "-" }
//   number   := digits [ "." [digits] ] [ exponent ] | "." digits [ exponent ]
//   exponent := "E" [ "+" | "-" ] digits
//
// FUNCTION and CONSTANT are the names of the name table, matched as the scanner matches them.

namespace calcorix {

struct FormulaFault {
  ErrorKind kind = ErrorKind::None;
  // In the cleaned text: the first character that no well-formed text can have there, or the
  // text's length when it ends too soon. An unknown name is reported at its first letter, also
  // when it begins like a constant ("ANSWER", "PIX").
  std::size_t position = 0;
};

// The first fault of a cleaned text (upper case, no blanks, as CheckParentheses leaves it), or
// nothing when the text is well-formed. The empty text is well-formed. Raises nothing.
std::optional<FormulaFault> FindFormulaFault(std::string_view text);

}  // namespace calcorix
