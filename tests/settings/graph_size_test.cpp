#include "settings/graph_size.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace calcorix::test {
namespace {

TEST(GraphSize, ExportedMeasuresWinThenTheWindowThen80By24) {
  const std::optional<WindowSize> none;
  const struct {
    std::optional<WindowSize> window;
    const char* columns;  // COLUMNS, nullptr when unset
    const char* lines;
    GraphSize expected;
  } rows[] = {
      {none, nullptr, nullptr, {80, 24}},
      {WindowSize{100, 30}, nullptr, nullptr, {100, 26}},
      {WindowSize{100, 3}, nullptr, nullptr, {100, 1}},
      {WindowSize{120, 0}, nullptr, nullptr, {120, 24}},
      {none, "50", "12", {50, 12}},
      {WindowSize{100, 30}, "50", nullptr, {50, 26}},
      {WindowSize{100, 30}, nullptr, "40", {100, 40}},
      // Anything but a positive whole number is ignored.
      {WindowSize{100, 30}, "0", "-5", {100, 26}},
      {none, "12x", " 40", {80, 24}},
      {none, "", "+5", {80, 24}},
      {none, "99999999999", "0x20", {80, 24}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.columns ? row.columns : "unset") + " / " +
                 (row.lines ? row.lines : "unset"));
    const GraphSize size = TextGraphSize(row.window, row.columns, row.lines);
    EXPECT_EQ(size.columns, row.expected.columns);
    EXPECT_EQ(size.rows, row.expected.rows);
  }
}

}  // namespace
}  // namespace calcorix::test
