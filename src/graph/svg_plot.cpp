#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calcorix/graph.hpp"
#include "graph/curve.hpp"
#include "graph/footer.hpp"
#include "graph/scale.hpp"
#include "graph/svg_text.hpp"
#include "graph/ticks.hpp"

namespace calcorix {
namespace {

constexpr int kFewestPixels[] = {160, 120};
constexpr int kMostPixels = 8000;
// The width of a character of the 12-pixel monospaced font, and the height of a line.
constexpr long double kCharWidth = 7.2L;
constexpr long double kLineHeight = 16;
constexpr long double kTop = 32, kRightMargin = 14, kLiLabelBand = 22;
constexpr int kWantedTicks = 5;
// Fewer value labels on a low plot: one per this many pixels at most.
constexpr long double kPixelsPerValueLabel = 24;

constexpr std::string_view kCurveColour = "#1f4e9e", kClipColour = "#c0392b";

class SvgPlot {
 public:
  SvgPlot(const GraphSeries& series, GraphSize size, const GraphOptions& options)
      : series_(series),
        options_(options),
        width_(std::clamp(size.columns, kFewestPixels[0], kMostPixels)),
        height_(std::clamp(size.rows, kFewestPixels[1], kMostPixels)),
        range_(ChooseValueRange(series.Columns())) {}

  std::string Draw();

 private:
  long double XOfLi(long double li) const {
    return left_ + Fraction(li, series_.LowLi(), series_.HighLi()) * (right_ - left_);
  }
  long double YOfFraction(long double fraction) const {
    return bottom_ - fraction * (bottom_ - top_);
  }
  long double XOfColumn(int column, int count) const {
    return left_ + (column + 0.5L) / count * (right_ - left_);
  }

  void Open();
  void Axes(const std::vector<AxisLabel>& valueLabels);
  void Curve();
  void Footer(const std::vector<std::string>& lines);
  void Point(long double x, long double y) { AppendPoint(out_, x, y); }
  void Text(long double x, long double y, std::string_view anchor, std::string_view text) {
    out_ += "<text x=\"";
    AppendCoordinate(out_, x);
    out_ += "\" y=\"";
    AppendCoordinate(out_, y);
    out_ += "\"";
    if (!anchor.empty()) out_ += " text-anchor=\"" + std::string(anchor) + "\"";
    out_ += ">";
    AppendXmlText(out_, text);
    out_ += "</text>\n";
  }

  const GraphSeries& series_;
  const GraphOptions& options_;
  int width_, height_;
  ValueRange range_;
  long double left_ = 0, right_ = 0, top_ = kTop, bottom_ = 0;
  std::string out_;
};

void SvgPlot::Open() {
  const std::string w = std::to_string(width_), h = std::to_string(height_);
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
          "\" viewBox=\"0 0 " + w + " " + h +
          "\" font-family=\"DejaVu Sans Mono, monospace\" font-size=\"12\">\n";
  const LoopRange& loop = series_.Loop();
  const char separator = options_.decimalSeparator;
  const std::string loopText = ", LI od " + NumberText(loop.start, separator) + " z krokiem " +
                               NumberText(loop.step, separator) + " do " +
                               NumberText(loop.end, separator);
  out_ += "<title>";
  AppendXmlText(out_, options_.expression);
  out_ += loopText + "</title>\n<desc>";
  AppendXmlText(out_, options_.expression);
  out_ += loopText + ". ";
  AppendXmlText(out_, FooterText(series_, range_, "▲ ▼", separator));
  out_ += "</desc>\n";
  out_ += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
}

void SvgPlot::Axes(const std::vector<AxisLabel>& valueLabels) {
  const char separator = options_.decimalSeparator;
  // Grid lines first, so that the frame and the curve lie over them.
  out_ += "<path d=\"";
  for (const AxisLabel& label : valueLabels) {
    out_ += 'M';
    Point(left_, YOfFraction(Fraction(label.value, range_.span)));
    out_ += 'H';
    AppendCoordinate(out_, right_);
  }
  std::vector<AxisLabel> liLabels;
  // Fewer labels until they stand apart.
  for (int wanted = kWantedTicks; wanted >= 1; --wanted) {
    liLabels = AxisLabels(series_.LowLi(), series_.HighLi(), wanted, separator);
    long double free = 0;
    bool apart = true;
    for (const AxisLabel& label : liLabels) {
      const long double half = TextWidth(label.text) * kCharWidth / 2;
      apart = apart && XOfLi(label.value) - half >= free;
      free = XOfLi(label.value) + half + kCharWidth;
    }
    if (apart) break;
  }
  for (const AxisLabel& label : liLabels) {
    out_ += 'M';
    Point(XOfLi(label.value), top_);
    out_ += 'V';
    AppendCoordinate(out_, bottom_);
  }
  out_ += "\" stroke=\"#e4e4e4\" fill=\"none\"/>\n";
  if (range_.any && range_.span.low <= 0 && range_.span.high >= 0) {
    out_ += "<path d=\"M";
    Point(left_, YOfFraction(Fraction(0, range_.span)));
    out_ += 'H';
    AppendCoordinate(out_, right_);
    out_ += "\" stroke=\"#808080\" fill=\"none\"/>\n";
  }
  out_ += "<rect x=\"";
  AppendCoordinate(out_, left_);
  out_ += "\" y=\"";
  AppendCoordinate(out_, top_);
  out_ += "\" width=\"";
  AppendCoordinate(out_, right_ - left_);
  out_ += "\" height=\"";
  AppendCoordinate(out_, bottom_ - top_);
  out_ += "\" fill=\"none\" stroke=\"#000000\"/>\n";
  for (const AxisLabel& label : valueLabels)
    Text(left_ - 6, YOfFraction(Fraction(label.value, range_.span)) + 4, "end", label.text);
  for (const AxisLabel& label : liLabels)
    Text(XOfLi(label.value), bottom_ + 16, "middle", label.text);
}

void SvgPlot::Curve() {
  const int count = std::max(1, static_cast<int>(right_ - left_));
  const auto vertices = TraceCurve(series_.Columns(), count, range_);
  if (!vertices.empty()) {
    out_ += "<path d=\"";
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      const CurveVertex& v = vertices[i];
      out_ += v.startsPiece ? 'M' : 'L';
      Point(XOfColumn(v.column, count), YOfFraction(v.fraction));
      // A piece of one point would be invisible: it gets a ring of radius 2.
      const bool alone = v.startsPiece && (i + 1 == vertices.size() || vertices[i + 1].startsPiece);
      if (alone) out_ += "m-2,0a2,2 0 1,0 4,0a2,2 0 1,0 -4,0m2,0";
    }
    out_ += "\" fill=\"none\" stroke=\"" + std::string(kCurveColour) +
            "\" stroke-width=\"1.5\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n";
  }
  // One triangle on the frame over the middle of each run of clipped columns.
  const Clipped clipped = FindClipped(series_.Columns(), count, range_);
  std::string marks;
  for (const bool aboveSide : {true, false}) {
    const std::vector<bool>& side = aboveSide ? clipped.above : clipped.below;
    int runStart = -1;
    for (int c = 0; c <= count; ++c) {
      const bool beyond = c < count && side[static_cast<std::size_t>(c)];
      if (beyond && runStart < 0) runStart = c;
      if (beyond || runStart < 0) continue;
      const long double x = (XOfColumn(runStart, count) + XOfColumn(c - 1, count)) / 2;
      marks += 'M';
      AppendPoint(marks, x, aboveSide ? top_ : bottom_);
      marks += aboveSide ? "l4,7h-8z" : "l4,-7h-8z";
      runStart = -1;
    }
  }
  if (!marks.empty()) {
    out_ += "<path d=\"" + marks + "\" fill=\"" + std::string(kClipColour) + "\"/>\n";
  }
}

void SvgPlot::Footer(const std::vector<std::string>& lines) {
  long double y = height_ - 8 - kLineHeight * static_cast<long double>(lines.size() - 1);
  for (const std::string& line : lines) {
    Text(10, y, "", line);
    y += kLineHeight;
  }
}

std::string SvgPlot::Draw() {
  const auto footer = WrapWords(FooterText(series_, range_, "▲ ▼", options_.decimalSeparator),
                                static_cast<int>((width_ - 20) / kCharWidth));
  bottom_ = height_ - 12 - kLineHeight * static_cast<long double>(footer.size()) - kLiLabelBand;
  bottom_ = std::max(bottom_, top_ + 20);
  std::vector<AxisLabel> valueLabels;
  if (range_.any) {
    const auto wanted = static_cast<int>(
        std::clamp<long double>((bottom_ - top_) / kPixelsPerValueLabel, 1, kWantedTicks));
    valueLabels =
        AxisLabels(range_.span.low, range_.span.high, wanted, options_.decimalSeparator, true);
    range_.span = LooseSpan(range_.span, valueLabels);
  }
  int labelWidth = 1;
  for (const AxisLabel& label : valueLabels)
    labelWidth = std::max(labelWidth, TextWidth(label.text));
  left_ = 10 + kCharWidth * labelWidth + 8;
  right_ = std::max(width_ - kRightMargin, left_ + 40);

  Open();
  Text(left_, 20, "", options_.expression);
  Axes(valueLabels);
  Curve();
  Footer(footer);
  out_ += "</svg>\n";
  return std::move(out_);
}

}  // namespace

std::string DrawSvgGraph(const GraphSeries& series, GraphSize size, const GraphOptions& options) {
  return SvgPlot(series, size, options).Draw();
}

}  // namespace calcorix
