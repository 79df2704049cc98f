#include "output/radix_format.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/errors.hpp"

namespace calcorix {
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

TEST(RadixDigits, WritesTheLowestDigitsOfTheTwosComplement) {
  const struct {
    std::int64_t n;
    int radix;
    int count;
    const char* text;
  } cases[] = {
      {-1, 16, 8, "FFFFFFFF"},
      {-1, 8, 10, "7777777777"},
      {-1, 2, 30, "111111111111111111111111111111"},
      {-2, 16, 8, "FFFFFFFE"},
      {1234, 16, 8, "000004D2"},
      {1234, 8, 10, "0000002322"},
      {1234, 2, 30, "000000000000000000010011010010"},
      {4294967296, 16, 8, "00000000"},
      {1073741824, 2, 30, "000000000000000000000000000000"},
      {1073741824, 8, 10, "0000000000"},
      {0, 16, 8, "00000000"},
      {INT64_MIN, 16, 16, "8000000000000000"},
      {-1, 16, 20, "0000FFFFFFFFFFFFFFFF"},    // nothing above the 64 bits
      {-1, 8, 23, "01777777777777777777777"},  // the 22nd octal digit holds one bit
      {0xABCDEF, 16, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RadixDigits(c.n, c.radix, c.count), c.text) << c.n << " radix " << c.radix;
  }
}

}  // namespace
}  // namespace calcorix
