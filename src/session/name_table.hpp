#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "session/session.hpp"

// The 42 names of the expression language as the scanner sees them (upper case): 38 functions,
// whose names end in "(", and the constants PI, LI, ANS and MEM.

namespace calcorix {

// A function reads what it needs of the session (the angle unit, the random generator); a
// constant reads its value from it.
struct NamedValue {
  std::string_view name;                           // "SIN(", "PI", ...
  long double (*function)(Session&, long double);  // for a name ending in "(", else nullptr
  long double (*constant)(const Session&);         // for a constant, else nullptr
};

// Every entry, in alphabetical order of the names.
std::span<const NamedValue> NamedValues();

// The entry whose whole name equals the characters of `text` from `position` on (text[position]
// is the name's first letter), or nullptr. Characters beyond the end of `text` never match, and no
// name is a prefix of another, so at most one entry can match: "COST(" and "SIN30" match nothing,
// "EXP10(" is not "EXP(".
const NamedValue* MatchName(std::string_view text, std::size_t position);

}  // namespace calcorix
