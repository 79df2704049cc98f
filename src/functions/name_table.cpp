#include "functions/name_table.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "functions/elementary.hpp"
#include "functions/exponential.hpp"
#include "functions/hyperbolic.hpp"
#include "functions/named_constants.hpp"
#include "functions/random.hpp"
#include "functions/trigonometric.hpp"

namespace calcorix {

namespace {

constexpr NamedValue Function(std::string_view name, long double (*function)(long double)) {
  return {name, function, nullptr};
}

constexpr NamedValue Constant(std::string_view name, long double (*constant)()) {
  return {name, nullptr, constant};
}

constexpr std::array kNamedValues = {
    Function("ABS(", ABS),     Function("ACOS(", ACOS),   Function("ACOSH(", ACOSH),
    Function("ADBV(", ADBV),   Function("ADBW(", ADBW),   Constant("ANS", ANS),
    Function("ASIN(", ASIN),   Function("ASINH(", ASINH), Function("ATAN(", ATAN),
    Function("ATANH(", ATANH), Function("COS(", COS),     Function("COSH(", COSH),
    Function("COT(", COT),     Function("COTH(", COTH),   Function("CSC(", CSC),
    Function("CUB(", CUB),     Function("DBV(", DBV),     Function("DBW(", DBW),
    Function("EXP(", EXP),     Function("EXP10(", EXP10), Function("FRAC(", FRAC),
    Function("GRAD(", GRAD),   Function("INT(", INT),     Constant("LI", LI),
    Function("LN(", LN),       Function("LOG(", LOG),     Function("LOG2(", LOG2),
    Constant("MEM", MEM),      Constant("PI", PI),        Function("POW2(", POW2),
    Function("RAD(", RAD),     Function("RAN(", RAN),     Function("RND(", RND),
    Function("SEC(", SEC),     Function("SGN(", SGN),     Function("SI(", SI),
    Function("SIN(", SIN),     Function("SINH(", SINH),   Function("SQR(", SQR),
    Function("SQRT(", SQRT),   Function("TAN(", TAN),     Function("TANH(", TANH),
};

static_assert(std::ranges::is_sorted(kNamedValues, {}, &NamedValue::name));

// For each letter A ... Z, the index of the first entry whose name begins with it or a later
// letter: the names of a letter are the entries from its start to the next letter's start.
constexpr std::array<std::uint8_t, 27> kLetterStart = [] {
  std::array<std::uint8_t, 27> start{};
  std::size_t entry = 0;
  for (std::size_t letter = 0; letter < 26; ++letter) {
    while (entry < kNamedValues.size() &&
           static_cast<std::size_t>(kNamedValues[entry].name[0] - 'A') < letter) {
      ++entry;
    }
    start[letter] = static_cast<std::uint8_t>(entry);
  }
  start[26] = static_cast<std::uint8_t>(kNamedValues.size());
  return start;
}();

}  // namespace

std::span<const NamedValue> NamedValues() {
  return kNamedValues;
}

const NamedValue* MatchName(std::string_view text, std::size_t position) {
  if (position >= text.size()) return nullptr;
  const char first = text[position];
  if (first < 'A' || first > 'Z') return nullptr;
  const std::string_view rest = text.substr(position);
  const std::size_t letter = static_cast<std::size_t>(first - 'A');
  for (std::size_t i = kLetterStart[letter]; i < kLetterStart[letter + 1]; ++i) {
    if (rest.starts_with(kNamedValues[i].name)) return &kNamedValues[i];
  }
  return nullptr;
}

}  // namespace calcorix
