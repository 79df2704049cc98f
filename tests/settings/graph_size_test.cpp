#include "settings/graph_size.hpp"

#include <gtest/gtest.h>

namespace calcorix::test {
namespace {

TEST(GraphSize, ExportedMeasuresWinThenTheWindowThen80By24) {
  const std::optional<WindowSize> none, window = WindowSize{100, 30};
  const struct {
    std::optional<WindowSize> window;
    const char *columns, *lines;  // COLUMNS and LINES, nullptr when unset
    int expectedColumns, expectedRows;
  } rows[] = {
      {none, nullptr, nullptr, 80, 24},
      {window, nullptr, nullptr, 100, 26},
      {WindowSize{120, 3}, nullptr, nullptr, 120, 1},
      {WindowSize{120, 0}, nullptr, nullptr, 120, 24},
      {window, "50", nullptr, 50, 26},
      {none, "50", "12", 50, 12},
      // Anything but a positive whole number is ignored.
      {none, "", "+5", 80, 24},
      {none, "99999999999", "0x20", 80, 24},
  };
  for (const auto& row : rows) {
    const GraphSize size = TextGraphSize(row.window, row.columns, row.lines);
    EXPECT_EQ(size.columns, row.expectedColumns) << (row.columns ? row.columns : "unset");
    EXPECT_EQ(size.rows, row.expectedRows) << (row.lines ? row.lines : "unset");
  }
}

}  // namespace
}  // namespace calcorix::test
