#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The 42 names of the expression language as the scanner sees them (upper case): 38 functions,
// whose names end in "(", and the constants PI, LI, ANS and MEM.

namespace calcorix {

struct NamedValue {
  std::string_view name;                 // "SIN(", "PI", ...
  long double (*function)(long double);  // for a name ending in "(", else nullptr
  long double (*constant)();             // for a constant, else nullptr
};

// Every entry, in alphabetical order of the names.
std::span<const NamedValue> NamedValues();

// The entry whose whole name equals the characters of `text` from `position` on (text[position]
// is the name's first letter), or nullptr. Characters beyond the end of `text` never match, and no
// name is a prefix of another, so at most one entry can match: "COST(" and "SIN30" match nothing,
// "EXP10(" is not "EXP(".
const NamedValue* MatchName(std::string_view text, std::size_t position);

}  // namespace calcorix
