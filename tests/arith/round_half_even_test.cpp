#include "arith/round_half_even.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>

#include "arith/errors.hpp"

namespace calcorix::test {
namespace {

TEST(RoundHalfEven, SendsTiesToTheEvenNeighbour) {
  const struct {
    long double value;
    std::int64_t rounded;
  } cases[] = {
      {0.5L, 0},
      {1.5L, 2},
      {2.5L, 2},
      {3.5L, 4},
      {-0.5L, 0},
      {-2.5L, -2},
      {-3.5L, -4},
      {1234.5L, 1234},
      {0.5L + 0x1p-64L, 1},
      {0.5L - 0x1p-65L, 0},
      {-2.5L - 0x1p-62L, -3},
      {LDBL_TRUE_MIN, 0},
      {-0.0L, 0},
      {0x1p62L + 0.5L, std::int64_t{1} << 62},
      {0x1p63L - 1.5L, INT64_MAX - 1},  // a tie whose lower neighbour is even
      {0x1p63L - 1, INT64_MAX},
      {-0x1p63L, INT64_MIN},
      {-0x1p63L + 0.5L, INT64_MIN},  // a tie that rounds onto the lowest value
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << static_cast<double>(c.value);
  }
}

TEST(RoundHalfEven, RaisesInvalidOperationOutsideTheInt64Range) {
  const long double outside[] = {
      0x1p63L - 0.5L,  // the tie goes up to 2^63
      0x1p63L,
      -0x1p63L - 1,
      1e4000L,
      -LDBL_MAX,
      std::numeric_limits<long double>::infinity(),
      std::numeric_limits<long double>::quiet_NaN(),
  };
  for (long double x : outside) {
    EXPECT_THROW(RoundHalfEven(x), EInvalidOp) << static_cast<double>(x);
  }
}

}  // namespace
}  // namespace calcorix::test
