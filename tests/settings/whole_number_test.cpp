#include "settings/whole_number.hpp"

#include <gtest/gtest.h>

#include <string>

namespace calcorix::test {
namespace {

TEST(WholeNumberValue, ReadsEveryNotation) {
  const struct {
    std::string text;
    std::int32_t expected;
  } cases[] = {
      {"12", 12},
      {"-3", -3},
      {"+7", 7},
      {" \t 12", 12},
      {"$10", 16},
      {"x1f", 31},
      {"X1F", 31},
      {"0x10", 16},
      {"0XfF", 255},
      {"&17", 15},
      {"%101", 5},
      {"-$10", -16},
      {"+%11", 3},
      {"0", 0},
      {"-0", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$7FFFFFFF", 2147483647},
      {"-$80000000", -2147483647 - 1},
      {std::string(300, '0') + "7", 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WholeNumberValue(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(WholeNumberValue, GivesZeroForAnythingElse) {
  const std::string refused[] = {"", " ", "+", "-", "$", "0x", "&", "%", "12 ", "12a", "1 2", "- 5",
                                 "--5", "+-5", "$-10", "$0x10", "&8", "%102", "1.5", "1e3", "\n12",
                                 "'12'",
                                 std::string("1\0"
                                             "2",
                                             3),
                                 // out of the signed 32-bit range, whatever the base
                                 "2147483648", "-2147483649", "$80000000", "$FFFFFFFF",
                                 std::string(300, '9'), "-" + std::string(300, '9')};
  for (const std::string& text : refused) {
    EXPECT_EQ(WholeNumberValue(text), 0) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace calcorix::test
