#include "session/name_table.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "functions/elementary.hpp"
#include "functions/exponential.hpp"
#include "functions/hyperbolic.hpp"
#include "functions/random.hpp"
#include "functions/trigonometric.hpp"
#include "session/named_constants.hpp"

namespace calcorix {

namespace {

template <long double (*F)(long double)>
long double Plain(Session&, long double x) {
  return F(x);
}

template <long double (*F)(long double, AngleUnit)>
long double InAngleUnit(Session& session, long double x) {
  return F(x, session.options.angleUnit);
}

long double Random(Session& session, long double x) {
  return RAN(x, session.random);
}

constexpr NamedValue Function(std::string_view name,
                              long double (*function)(Session&, long double)) {
  return {name, function, nullptr};
}

constexpr NamedValue Constant(std::string_view name, long double (*constant)(const Session&)) {
  return {name, nullptr, constant};
}

constexpr std::array kNamedValues = {
    Function("ABS(", Plain<ABS>),
    Function("ACOS(", InAngleUnit<ACOS>),
    Function("ACOSH(", Plain<ACOSH>),
    Function("ADBV(", Plain<ADBV>),
    Function("ADBW(", Plain<ADBW>),
    Constant("ANS", ANS),
    Function("ASIN(", InAngleUnit<ASIN>),
    Function("ASINH(", Plain<ASINH>),
    Function("ATAN(", InAngleUnit<ATAN>),
    Function("ATANH(", Plain<ATANH>),
    Function("COS(", InAngleUnit<COS>),
    Function("COSH(", Plain<COSH>),
    Function("COT(", InAngleUnit<COT>),
    Function("COTH(", Plain<COTH>),
    Function("CSC(", InAngleUnit<CSC>),
    Function("CUB(", Plain<CUB>),
    Function("DBV(", Plain<DBV>),
    Function("DBW(", Plain<DBW>),
    Function("EXP(", Plain<EXP>),
    Function("EXP10(", Plain<EXP10>),
    Function("FRAC(", Plain<FRAC>),
    Function("GRAD(", Plain<GRAD>),
    Function("INT(", Plain<INT>),
    Constant("LI", LI),
    Function("LN(", Plain<LN>),
    Function("LOG(", Plain<LOG>),
    Function("LOG2(", Plain<LOG2>),
    Constant("MEM", MEM),
    Constant("PI", PI),
    Function("POW2(", Plain<POW2>),
    Function("RAD(", Plain<RAD>),
    Function("RAN(", Random),
    Function("RND(", Plain<RND>),
    Function("SEC(", InAngleUnit<SEC>),
    Function("SGN(", Plain<SGN>),
    Function("SI(", Plain<SI>),
    Function("SIN(", InAngleUnit<SIN>),
    Function("SINH(", Plain<SINH>),
    Function("SQR(", Plain<SQR>),
    Function("SQRT(", Plain<SQRT>),
    Function("TAN(", InAngleUnit<TAN>),
    Function("TANH(", Plain<TANH>),
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
