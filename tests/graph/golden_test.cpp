// The drawings of a few curves at a fixed size, byte for byte. CALCORIX_UPDATE_GOLDEN=1 writes
// the files anew instead of comparing; look at them before committing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calcorix/graph.hpp"
#include "platform/cp852.hpp"
#include "series_support.hpp"

namespace calcorix::test {
namespace {

struct Curve {
  const char* name;
  const char* expression;
  LoopRange loop;
  bool text, svg;
};

const Curve kCurves[] = {
    {"sin", "sin(LI)", {0, 0.1L, 6.3L}, true, true},
    {"reciprocal", "1/LI", {-2, 0.0625L, 2}, true, true},
    {"tan", "tan(LI)", {0, 0.05L, 3.15L}, true, true},
    {"constant", "2.5", {0, 1, 10}, true, false},
    {"single", "LI^2", {3, 1, 3}, true, true},
    {"errors", "ln(0-LI)", {0, 1, 8}, true, true},
    // Values beyond double: the SVG shows the scaling as well as the text would.
    {"beyond_double", "exp(LI*5000)", {0, 0.01L, 1}, false, true},
};

constexpr GraphSize kTextSize{60, 16};
constexpr GraphSize kSvgSize{640, 400};

std::string Joined(const std::vector<std::string>& lines, const char* end, bool cp852) {
  std::string bytes;
  for (const std::string& line : lines) {
    if (cp852) {
      AppendAsCp852(line, bytes);
    } else {
      bytes += line;
    }
    bytes += end;
  }
  return bytes;
}

void Compare(const std::string& file, const std::string& bytes) {
  const std::string path = std::string(CALCORIX_GOLDEN_DIR) + "/" + file;
  if (std::getenv("CALCORIX_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << bytes;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << path;
  std::ostringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(golden.str(), bytes) << file;
}

TEST(GraphGolden, TextAndSvgForms) {
  for (const Curve& curve : kCurves) {
    const GraphSeries series = LoopSeries(curve.expression, curve.loop);
    const GraphOptions options{curve.expression, '.'};
    const std::string name = curve.name;
    if (curve.text) {
      Compare(name + ".braille.txt",
              Joined(DrawTextGraph(series, GraphForm::Braille, kTextSize, options), "\n", false));
      Compare(
          name + ".cp852.txt",
          Joined(DrawTextGraph(series, GraphForm::HalfBlocks, kTextSize, options), "\r\n", true));
      Compare(name + ".ascii.txt",
              Joined(DrawTextGraph(series, GraphForm::Ascii, kTextSize, options), "\n", false));
    }
    if (!curve.svg) continue;
    const std::string svg = DrawSvgGraph(series, kSvgSize, options);
    EXPECT_EQ(svg.find("nan"), std::string::npos) << name;
    EXPECT_EQ(svg.find("inf"), std::string::npos) << name;
    Compare(name + ".svg", svg);
  }
}

}  // namespace
}  // namespace calcorix::test
