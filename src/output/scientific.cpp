#include "output/scientific.hpp"

#include <cmath>

#include "arith/checked.hpp"
#include "arith/constants.hpp"
#include "arith/errors.hpp"
#include "arith/float80.hpp"
#include "arith/math_steps.hpp"
#include "arith/round_half_even.hpp"
#include "calcorix/choices.hpp"
#include "output/number_format.hpp"

namespace calcorix {
namespace {

// The lowest power of ten, among multiples of 3, that is still a normal 80-bit number (the
// smallest normal is about 3.4E-4932).
constexpr int kLowestNormalPower = -4929;

std::string MantissaText(long double m, int decimalPlaces, char separator) {
  if (decimalPlaces == kNoFixedPlaces) return FormatGeneral(m, 15, 0, separator);
  return FormatFixed(m, decimalPlaces, separator);
}

// x / Power10(power). Below 1E-4929 the power itself would be a denormal with only a few
// significant bits (1E-4950 is three times the smallest denormal), and the mantissa of the
// smallest values would come out wrong from its first digits on. There the division is made in
// two steps through a normal power of ten.
long double ScaleDown(long double x, int power) {
  if (power >= kLowestNormalPower) return Div(x, Power10(power));
  const long double partial = Div(x, Power10(kLowestNormalPower));
  return Div(partial, Power10(power - kLowestNormalPower));
}

}  // namespace

long double Power10(long double y) {
  return steps::Exp(Mul(y, kLn10));
}

std::string ScientificText(long double x, int decimalPlaces, char separator) {
  // Only finite values reach the printer; anything else must not get as far as the conversion
  // of q to an integer.
  if (!std::isfinite(x)) throw EInvalidOp();
  if (x == 0) return MantissaText(x, decimalPlaces, separator) + "E+00";

  const long double a = SignBit(x) ? -x : x;
  const long double ratio = Div(steps::Ln(a), kL1000);
  int q = 0;
  std::string exponentText;
  if (a >= 1) {
    q = static_cast<int>(std::trunc(ratio));  // 0 ... 1644
    exponentText = "E+" + FormatTwoDigits(3 * q);
  } else {
    q = static_cast<int>(RoundHalfEven(ratio));  // -1650 ... 0
    if (q == 0) {
      exponentText = "E+00";
    } else {
      exponentText = "E" + FormatTwoDigits(3 * q);
      // "E-3" ... "E-9": the "-" took one of the two places.
      if (q >= -3) exponentText.insert(2, "0");
    }
  }
  return MantissaText(ScaleDown(x, 3 * q), decimalPlaces, separator) + exponentText;
}

}  // namespace calcorix
