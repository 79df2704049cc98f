#include "engine/factorial.hpp"

#include "arith/checked.hpp"
#include "arith/errors.hpp"

namespace calcorix {

long double Factorial(long double x) {
  if (x < 0.0L) throw EInvalidArgument();
  long double product = 1.0L;
  for (unsigned factor = 2; factor <= x; ++factor) {
    product = Mul(product, static_cast<long double>(factor));
  }
  return product;
}

}  // namespace calcorix
