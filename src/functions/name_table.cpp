#include "functions/name_table.hpp"

#include <algorithm>
#include <array>

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

// MatchName stops at the first entry past the letter it looks for.
static_assert(std::ranges::is_sorted(kNamedValues, {}, &NamedValue::name));

}  // namespace

std::span<const NamedValue> NamedValues() {
  return kNamedValues;
}

const NamedValue* MatchName(std::string_view text, std::size_t position) {
  if (position >= text.size()) return nullptr;
  const std::string_view rest = text.substr(position);
  for (const NamedValue& entry : kNamedValues) {
    if (entry.name[0] > rest[0]) break;
    if (rest.starts_with(entry.name)) return &entry;
  }
  return nullptr;
}

}  // namespace calcorix
