// The pieces of a drawing, one row each: a description of what the piece gives, as text.

#include "calcorix/graph.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "graph/curve.hpp"
#include "graph/dots.hpp"
#include "graph/footer.hpp"
#include "graph/scale.hpp"
#include "graph/svg_text.hpp"
#include "graph/ticks.hpp"
#include "output/number_format.hpp"
#include "series_support.hpp"

namespace calcorix::test {
namespace {

std::string Ticks(long double low, long double high, int wanted = 5) {
  std::string text;
  for (const AxisLabel& label : AxisLabels(low, high, wanted, '.'))
    text += (text.empty() ? "" : " ") + label.text;
  return text;
}

// The pieces of the curve through the values (one per LI 0, 1, 2...; NAN for an error pass), as
// "LI-LI" runs of columns that are joined, separated by "|".
std::string Pieces(const std::vector<long double>& values) {
  GraphSeries series({0, 1, static_cast<long double>(values.size() - 1)},
                     static_cast<int>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != values[i]) {
      series.AddError(i, PassError::CalculationError);
    } else {
      series.AddValue(i, values[i]);
    }
  }
  std::string text;
  int last = -1;
  const ValueRange range = ChooseValueRange(series.Columns());
  for (const CurveVertex& v :
       TraceCurve(series.Columns(), static_cast<int>(values.size()), range)) {
    if (v.startsPiece)
      text += (text.empty() ? "" : "-" + std::to_string(last) + "|") + std::to_string(v.column);
    last = v.column;
  }
  return text + "-" + std::to_string(last);
}

// The drawn range of 40 passes of sin(LI/2) with some replaced by far values, and the clipping.
std::string Clipped(const std::vector<std::pair<int, long double>>& replaced) {
  GraphSeries series({0, 1, 39}, 40);
  for (int i = 0; i < 40; ++i) {
    long double value = std::sin(i / 2.0L);
    for (const auto& [at, far] : replaced)
      if (at == i) value = far;
    series.AddValue(i, value);
  }
  const ValueRange range = ChooseValueRange(series.Columns());
  return FormatGeneral(range.span.low, 3, 1) + ".." + FormatGeneral(range.span.high, 3, 1) +
         (range.clippedBelow ? " below" : "") + (range.clippedAbove ? " above" : "");
}

std::string Braille() {
  std::string text;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 2; ++x)
      text += std::to_string(BrailleBit(x, y)) + " ";
  return text;
}

// A loop with a step of 0 never ends: the series stops at its limit, with its memory as it was.
std::string Endless() {
  const GraphSeries series = LoopSeries("1/(LI-LI)+LI", {1, 0, 5}, AngleUnit::Radians, 10000);
  return std::to_string(series.Passes()) + " passes, " + std::to_string(series.Columns().size()) +
         " columns, " + std::to_string(series.FirstErrors().size()) + " listed, stopped " +
         std::to_string(series.Stopped());
}

std::string Xml(std::string_view text) {
  std::string out;
  AppendXmlText(out, text);
  return out;
}

std::string Coordinates() {
  std::string out;
  for (long double v :
       {12.5L, -3.0L, 0.004L, -0.004L, 1.0L / 3, 1e300L, static_cast<long double>(NAN)})
    AppendCoordinate(out, v), out += ' ';
  return out;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "/";
  return text;
}

struct Row {
  const char* what;
  std::function<std::string()> actual;
  std::string expected;
};

TEST(Graph, Pieces) {
  const Row rows[] = {
      {"ticks over one turn", [] { return Ticks(0, 6.3L); }, "0 2 4 6"},
      {"ticks around 0", [] { return Ticks(-1, 1); }, "-1 -0.5 0 0.5 1"},
      {"ticks at a 0.1 step are the calculator's 0.1", [] { return Ticks(0.25L, 0.75L); },
       "0.3 0.4 0.5 0.6 0.7"},
      {"ticks beyond double", [] { return Ticks(1, 1e2171L); },
       "2E2170 4E2170 6E2170 8E2170 1E2171"},
      {"ticks across the whole range", [] { return Ticks(-LDBL_MAX, LDBL_MAX); },
       "-1E4932 -5E4931 0 5E4931 1E4932"},
      {"ticks that 16 digits cannot tell apart share a label",
       [] { return Ticks(1, 1 + 1e-18L, 3); }, "1"},
      {"fewer ticks", [] { return Ticks(0, 10, 2); }, "0 10"},
      {"a span that cannot overflow",
       [] { return FormatGeneral(Fraction(LDBL_MAX, -LDBL_MAX, LDBL_MAX), 3, 1); }, "1"},
      {"a single value is widened",
       [] {
         auto s = WidenedSpan(5, 5);
         return NumberText(s.low, '.') + ".." + NumberText(s.high, '.');
       },
       "2.5..7.5"},
      {"braille bits", Braille, "1 8 2 16 4 32 64 128 "},
      {"an unbroken curve",
       [] {
         return Pieces({1, 2, 3, 2});
       },
       "0-3"},
      {"errors are gaps",
       [] {
         return Pieces({1, 2, NAN, 2, 1, NAN, NAN, 1});
       },
       "0-1|3-4|7-7"},
      {"a pole breaks the curve",
       [] {
         return Pieces({1, 5, 50, -50, -5, -1});
       },
       "0-2|3-5"},
      {"a zero crossing does not",
       [] {
         return Pieces({-3, -1, 1, 3});
       },
       "0-3"},
      {"no clipping", [] { return Clipped({}); }, "-1..0.99"},
      {"a stray value above is clipped",
       [] {
         return Clipped({{7, 1e30L}});
       },
       "-1..0.99 above"},
      {"and below",
       [] {
         return Clipped({{7, 1e30L}, {9, -50}});
       },
       "-1..0.99 below above"},
      {"many far values are not stray",
       [] {
         return Clipped({{1, 9}, {2, 9}, {3, 9}, {4, 9}});
       },
       "-1..9"},
      {"bounded memory", Endless, "10000 passes, 2048 columns, 3 listed, stopped 1"},
      {"footer",
       [] {
         return FooterText(LoopSeries("1/LI", {-1, 0.5L, 1}), {}, "^ v", ',');
       },
       "Punkty: 4. Błędy: 1 (LI = 0). Min: -2 (LI = -0,5), max: 2 (LI = 0,5)."},
      {"a footer marks only the side clipped",
       [] {
         ValueRange below;
         below.clippedBelow = true;
         return FooterText(LoopSeries("LI", {1, 1, 1}), below, "^ v", '.');
       },
       "Punkty: 1. Min: 1 (LI = 1), max: 1 (LI = 1). Wartości poza zakresem przycięte do ramki "
       "(v)."},
      {"footer of errors only",
       [] {
         return FooterText(LoopSeries("ln(0-LI)", {0, 1, 5}), {}, "^ v", '.');
       },
       "Punkty: 0. Błędy: 6 (LI = 0; 1; 2; ...). Brak wartości do narysowania."},
      {"words wrap, a long one is cut", [] { return Lines(WrapWords("ab cd efghijk l", 5)); },
       "ab cd/efghi/jk l/"},
      {"ASCII letters", [] { return AsciiLetters("Błędy: żółć, ▲"); }, "Bledy: zolc, ?"},
      {"XML text",
       [] {
         return Xml(
             "a<b&c>\x01\xFF"
             "ą\xED\xA0\x80");
       },
       "a&lt;b&amp;c&gt;??ą???"},
      {"coordinates", Coordinates, "12.5 -3 0 0 0.33 10000000000000 0 "},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.actual(), row.expected) << row.what;
}

}  // namespace
}  // namespace calcorix::test
