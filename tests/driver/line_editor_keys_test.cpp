#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "driver/line_editor.hpp"

namespace calcorix::test {
namespace {

TEST(RowsAfterCursor, CountsTheRowsAsLibeditDrawsThem) {
  struct Case {
    std::string prompt;
    std::wstring line;
    std::size_t cursor, columns, rows;
  };
  const Case cases[] = {
      {"> ", L"123", 3, 10, 0},
      {"> ", L"12345678", 0, 10, 1},  // a full row: the cursor goes to the next one
      {"> ", L"1234567890123", 0, 5, 3},
      {"> ", L"1234567890123", 9, 5, 1},
      {"> ",
       L"\x01"
       L"abc",
       0, 4, 1},                         // ^A takes two columns
      {"> ", L"\t1", 0, 10, 0},          // to column 8, then one
      {"> ", L"\x4E00\x4E00", 0, 5, 1},  // a wide character does not fit in the last column
      {"szukaj \"x\": ", L"1+1", 0, 10, 0},
  };
  std::setlocale(LC_CTYPE, "C.UTF-8");  // the width of a character comes from the locale
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    EXPECT_EQ(RowsAfterCursor({c.prompt, c.line, c.cursor}, c.columns), c.rows);
  }
  std::setlocale(LC_CTYPE, "C");
}

}  // namespace
}  // namespace calcorix::test
