#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/graph.hpp"
#include "graph/curve.hpp"
#include "graph/dots.hpp"
#include "graph/footer.hpp"
#include "graph/scale.hpp"
#include "graph/ticks.hpp"

namespace calcorix {
namespace {

struct Glyphs {
  int across, down;  // dots to a character
  std::string_view topLeft, topRight, bottomLeft, bottomRight, horizontal, vertical;
  std::string_view tick, zeroTick, bottomTick, zeroLine, above, below;
};

constexpr Glyphs kBraille{2, 4, "┌", "┐", "└", "┘", "─", "│", "┤", "┼", "┬", "─", "▲", "▼"};
// Code page 852 has the box characters and the half blocks, but no triangles.
constexpr Glyphs kHalfBlocks{1, 2, "┌", "┐", "└", "┘", "─", "│", "┤", "┼", "┬", "─", "^", "v"};
constexpr Glyphs kAscii{1, 1, "+", "+", "+", "+", "-", "|", "+", "+", "+", "-", "^", "v"};

constexpr int kFewestColumns = 30, kMostColumns = 2000, kFewestRows = 8, kMostRows = 1000;
constexpr int kFewestCells = 8;
constexpr int kWantedTicks = 5;

const Glyphs& GlyphsOf(GraphForm form) {
  return form == GraphForm::Braille      ? kBraille
         : form == GraphForm::HalfBlocks ? kHalfBlocks
                                         : kAscii;
}

// The character for the dots of one cell; empty when it has none.
std::string CellText(const DotCanvas& canvas, GraphForm form, int cellX, int cellY) {
  const Glyphs& glyphs = GlyphsOf(form);
  const int x0 = cellX * glyphs.across, y0 = cellY * glyphs.down;
  switch (form) {
    case GraphForm::Braille: {
      unsigned bits = 0;
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
          if (canvas.At(x0 + x, y0 + y)) bits |= BrailleBit(x, y);
      if (bits == 0) return {};
      // U+2800 + bits in UTF-8.
      return {'\xE2', static_cast<char>(0xA0 | bits >> 6), static_cast<char>(0x80 | (bits & 0x3F))};
    }
    case GraphForm::HalfBlocks: {
      const bool upper = canvas.At(x0, y0), lower = canvas.At(x0, y0 + 1);
      return upper && lower ? "█" : upper ? "▀" : lower ? "▄" : "";
    }
    case GraphForm::Ascii:
      return canvas.At(x0, y0) ? "*" : "";
  }
  return {};
}

class TextPlot {
 public:
  TextPlot(const GraphSeries& series, GraphForm form, GraphSize size, const GraphOptions& options)
      : series_(series),
        form_(form),
        glyphs_(GlyphsOf(form)),
        separator_(options.decimalSeparator),
        width_(std::clamp(size.columns, kFewestColumns, kMostColumns)),
        height_(std::clamp(size.rows, kFewestRows, kMostRows)),
        range_(ChooseValueRange(series.Columns())) {}

  std::vector<std::string> Draw();

 private:
  // The dot row of a fraction of the span, from the top.
  double DotRow(long double fraction) const {
    return static_cast<double>((dotsDown_ - 1) * (1 - fraction));
  }
  int CellRowOf(long double value) const {
    return static_cast<int>(std::lround(DotRow(Fraction(value, range_.span)))) / glyphs_.down;
  }
  int CellColumnOfLi(long double li) const {
    return CellOf(Fraction(li, series_.LowLi(), series_.HighLi()), cells_ * glyphs_.across) /
           glyphs_.across;
  }
  void ChooseValueTicks();
  void DrawCurve(int dotsAcross);
  std::string FrameLine(bool top) const;
  std::string PlotLine(int row) const;
  void PlaceLiLabels();

  const GraphSeries& series_;
  GraphForm form_;
  const Glyphs& glyphs_;
  char separator_;
  int width_, height_;
  ValueRange range_;
  int rows_ = 0, cells_ = 0, dotsDown_ = 0, labelWidth_ = 1, zeroRow_ = -1;
  std::vector<std::string> rowLabels_;  // by row; empty where none
  std::vector<bool> above_, below_;     // by cell: values clipped there
  std::vector<int> liTickCells_;
  std::string liLabels_;
  DotCanvas canvas_{1, 1};
};

void TextPlot::ChooseValueTicks() {
  rowLabels_.assign(static_cast<std::size_t>(rows_), {});
  if (!range_.any) return;
  const Span data = range_.span;
  // Fewer values when two would share a row.
  for (int wanted = std::min(kWantedTicks, std::max(2, rows_ / 2)); wanted >= 1; --wanted) {
    const auto labels = AxisLabels(data.low, data.high, wanted, separator_, true);
    range_.span = LooseSpan(data, labels);
    std::vector<int> rows;
    for (const AxisLabel& label : labels)
      rows.push_back(CellRowOf(label.value));
    if (std::adjacent_find(rows.begin(), rows.end()) != rows.end() && wanted > 1) continue;
    for (std::size_t i = 0; i < labels.size(); ++i)
      rowLabels_[static_cast<std::size_t>(rows[i])] = labels[i].text;
    return;
  }
}

void TextPlot::DrawCurve(int dotsAcross) {
  const auto vertices = TraceCurve(series_.Columns(), dotsAcross, range_);
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const CurveVertex& v = vertices[i];
    const CurveVertex& from = v.startsPiece ? v : vertices[i - 1];
    canvas_.Line(from.column, DotRow(from.fraction), v.column, DotRow(v.fraction));
  }
  const Clipped clipped = FindClipped(series_.Columns(), dotsAcross, range_);
  above_.assign(static_cast<std::size_t>(cells_), false);
  below_.assign(static_cast<std::size_t>(cells_), false);
  for (int x = 0; x < dotsAcross; ++x) {
    const auto at = static_cast<std::size_t>(x),
               cell = at / static_cast<std::size_t>(glyphs_.across);
    above_[cell] = above_[cell] || clipped.above[at];
    below_[cell] = below_[cell] || clipped.below[at];
  }
}

std::string TextPlot::FrameLine(bool top) const {
  std::string line(static_cast<std::size_t>(labelWidth_ + 1), ' ');
  line += top ? glyphs_.topLeft : glyphs_.bottomLeft;
  for (int cell = 0; cell < cells_; ++cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (top) {
      line += above_[at] ? glyphs_.above : glyphs_.horizontal;
    } else if (below_[at]) {
      line += glyphs_.below;
    } else {
      const bool tick =
          std::find(liTickCells_.begin(), liTickCells_.end(), cell) != liTickCells_.end();
      line += tick ? glyphs_.bottomTick : glyphs_.horizontal;
    }
  }
  line += top ? glyphs_.topRight : glyphs_.bottomRight;
  return line;
}

std::string TextPlot::PlotLine(int row) const {
  const std::string& label = rowLabels_[static_cast<std::size_t>(row)];
  std::string line(static_cast<std::size_t>(labelWidth_ - TextWidth(label)), ' ');
  line += label;
  line += ' ';
  line += row == zeroRow_ ? glyphs_.zeroTick : label.empty() ? glyphs_.vertical : glyphs_.tick;
  for (int cell = 0; cell < cells_; ++cell) {
    std::string text = CellText(canvas_, form_, cell, row);
    if (text.empty()) text = row == zeroRow_ ? glyphs_.zeroLine : " ";
    line += text;
  }
  line += glyphs_.vertical;
  return line;
}

void TextPlot::PlaceLiLabels() {
  const int firstCell = labelWidth_ + 2;
  // Fewer labels until they stand apart, each under its tick and within the width.
  for (int wanted = kWantedTicks; wanted >= 1; --wanted) {
    std::string line(static_cast<std::size_t>(width_), ' ');
    std::vector<int> cells;
    int free = 0;  // the first place a label may start
    for (const AxisLabel& label :
         AxisLabels(series_.LowLi(), series_.HighLi(), wanted, separator_)) {
      const int length = static_cast<int>(label.text.size());
      const int cell = CellColumnOfLi(label.value);
      const int start = std::max(std::min(firstCell + cell - (length - 1) / 2, width_ - length), 0);
      if (start < free) {
        cells.clear();
        break;
      }
      line.replace(static_cast<std::size_t>(start), label.text.size(), label.text);
      cells.push_back(cell);
      free = start + length + 1;
    }
    if (cells.empty() && wanted > 1) continue;
    line.erase(line.find_last_not_of(' ') + 1);
    liLabels_ = std::move(line);
    liTickCells_ = std::move(cells);
    return;
  }
}

std::vector<std::string> TextPlot::Draw() {
  const std::string marks = std::string(glyphs_.above) + " " + std::string(glyphs_.below);
  std::string footer = FooterText(series_, range_, marks, separator_);
  if (form_ == GraphForm::Ascii) footer = AsciiLetters(footer);
  const auto footerLines = WrapWords(footer, width_);

  rows_ = std::max(2, height_ - 3 - static_cast<int>(footerLines.size()));
  dotsDown_ = rows_ * glyphs_.down;
  ChooseValueTicks();
  for (const std::string& label : rowLabels_)
    labelWidth_ = std::max(labelWidth_, TextWidth(label));
  cells_ = std::max(kFewestCells, width_ - labelWidth_ - 3);
  const int dotsAcross = cells_ * glyphs_.across;
  if (range_.any && range_.span.low <= 0 && range_.span.high >= 0) zeroRow_ = CellRowOf(0);

  canvas_ = DotCanvas(dotsAcross, dotsDown_);
  DrawCurve(dotsAcross);
  PlaceLiLabels();

  std::vector<std::string> lines;
  lines.push_back(FrameLine(true));
  for (int row = 0; row < rows_; ++row)
    lines.push_back(PlotLine(row));
  lines.push_back(FrameLine(false));
  lines.push_back(liLabels_);
  lines.insert(lines.end(), footerLines.begin(), footerLines.end());
  return lines;
}

}  // namespace

std::vector<std::string> DrawTextGraph(const GraphSeries& series, GraphForm form, GraphSize size,
                                       const GraphOptions& options) {
  return TextPlot(series, form, size, options).Draw();
}

}  // namespace calcorix
