#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calcorix/line_sink.hpp"

// Graphs of a loop's results, as `calcorix -p` draws them, for any program that embeds the
// calculator (calcorix/calculator.hpp computes the passes).
//
//   calcorix::Calculator calculator;
//   calcorix::GraphSeries series({.start = 0, .step = 0.1L, .end = 6.3L});
//   for (long double li = 0; li <= 6.3L; li += 0.1L) {
//     calculator.SetLoopValue(li);
//     if (!calcorix::AddPass(series, calculator, "sin(LI)")) break;
//   }
//   for (const std::string& line :
//        calcorix::DrawTextGraph(series, calcorix::GraphForm::Braille, {80, 24}, {"sin(LI)"}))
//     std::puts(line.c_str());
//
// A series gathers the passes of one loop: for each pass its LI and either the 80-bit value or
// the kind of error it gave. Its memory does not grow with the number of passes: the loop's range
// is cut into a fixed number of columns, and each column keeps only what a drawing needs (the
// least and greatest value, the values at its two ends, whether an error broke the curve there).
// The footer's facts are kept beside: the number of points and of errors, the LI of the first few
// errors, the least and greatest value with their LI. A series takes at most a fixed number of
// passes (a loop with a step of 0 never ends); a pass offered after that is not taken and the
// drawing says where it stopped.
//
// The drawings are pure functions of a series and a size: they touch no terminal, console or
// file, and the same series and size always give the same bytes.
// - DrawTextGraph gives the lines of a text plot as UTF-8 without line ends; the caller writes
//   them with its own line ends and, for the half-block form, encodes them in code page 852
//   (every character that form uses is in it).
// - DrawSvgGraph gives a complete SVG document, UTF-8 with LF line ends.
//
// Values beyond the range of `double` are placed with 80-bit arithmetic, and numbers are written
// as the calculator writes its results (16 significant digits, the given decimal separator).
// Errors leave gaps in the curve; so does a jump across zero over more than half the drawn range
// (a pole, as tan has at 90 degrees, or a step), which would otherwise be a vertical line. When a
// few columns hold values far beyond the rest, the range is narrowed to the rest, those values
// are drawn at the frame with a marker on it, and the footer says so.
//
// Nothing here is shared between series; one series must not be used by two threads at once.

namespace calcorix {

class Calculator;

// What a pass that printed no result gave, after the line that ends it.
enum class PassError : std::uint8_t {
  DivisionByZero,    // "Błąd: dzielenie przez zero."
  CalculationError,  // "Błąd w formule.": invalid operation, overflow, invalid argument
  FormulaError,      // "Błąd w formule" alone, or missing parentheses: a malformed expression
};

// The loop as the user gave it: LI runs from start by step towards end. Ends that are not finite
// give an axis from -1 to 1.
struct LoopRange {
  long double start = 0;
  long double step = 1;
  long double end = 0;
};

// Passes a series takes at most: a loop with a step of 0 is drawn from this many.
inline constexpr std::uint64_t kGraphPassLimit = 1'000'000;
// Columns a series keeps: the dot columns of a braille plot 1024 characters wide. Narrower
// drawings lose nothing; wider ones join their points with lines.
inline constexpr int kGraphColumns = 2048;
// How many errors the footer lists by their LI.
inline constexpr int kListedErrors = 3;

// One column of a series: the passes whose LI falls into it.
struct GraphColumn {
  std::uint64_t values = 0;  // passes with a value
  std::uint64_t errors = 0;  // passes with an error
  // Meaningful when values > 0.
  long double min = 0, max = 0;
  long double left = 0, right = 0;  // the values at the least and the greatest LI
  long double leftLi = 0, rightLi = 0;
  // An error pass lies between this column's leftmost value and the nearest value to its left.
  bool gapLeft = false;
};

struct ListedError {
  long double li = 0;
  PassError error = PassError::CalculationError;
};

class GraphSeries {
 public:
  // `columns` is clamped to 1..65536; more columns than a drawing's dot columns cost nothing in
  // accuracy, fewer leave empty columns that the curve is drawn across.
  explicit GraphSeries(LoopRange loop, int columns = kGraphColumns,
                       std::uint64_t passLimit = kGraphPassLimit);

  // One pass. A value that is not finite counts as a calculation error; an LI that is not finite
  // counts the pass as an error that has no place on the axis. Both answer false, and take
  // nothing, when the series already holds passLimit passes: the drawing then says it stopped.
  bool AddValue(long double li, long double value);
  bool AddError(long double li, PassError error);

  // True once passLimit passes are taken.
  bool Full() const { return passes_ >= passLimit_; }
  // The loop went on after the series was full (AddValue and AddError note it themselves).
  void NoteStop() { stopped_ = true; }

  const LoopRange& Loop() const { return loop_; }
  // The LI at the left and the right edge of the columns: the loop's start and end in order,
  // widened around a loop that never moves.
  long double LowLi() const { return lowLi_; }
  long double HighLi() const { return highLi_; }
  std::span<const GraphColumn> Columns() const { return columns_; }

  std::uint64_t Passes() const { return passes_; }
  std::uint64_t Values() const { return values_; }
  std::uint64_t Errors() const { return passes_ - values_; }
  std::span<const ListedError> FirstErrors() const { return {firstErrors_.data(), listed_}; }
  bool Stopped() const { return stopped_; }
  // The least and greatest value and the LI of the first pass that gave each; meaningful when
  // Values() > 0.
  long double Min() const { return min_; }
  long double MinLi() const { return minLi_; }
  long double Max() const { return max_; }
  long double MaxLi() const { return maxLi_; }

 private:
  bool Take();
  void NoteError(long double li, PassError error);

  LoopRange loop_;
  long double lowLi_ = 0, highLi_ = 0;
  std::vector<GraphColumn> columns_;
  std::uint64_t passLimit_;
  std::uint64_t passes_ = 0, values_ = 0;
  std::array<ListedError, kListedErrors> firstErrors_{};
  std::size_t listed_ = 0;
  bool stopped_ = false;
  bool errorSinceValue_ = false;
  int lastValueColumn_ = -1;
  long double min_ = 0, minLi_ = 0, max_ = 0, maxLi_ = 0;
};

// The error kind of a printed error line.
PassError PassErrorOf(LineKind kind);

// Computes `expression` once at the calculator's loop value and adds what it gave. When the
// series is full, computes nothing and answers false.
bool AddPass(GraphSeries& series, Calculator& calculator, std::string_view expression);

// The characters of a text plot.
enum class GraphForm : std::uint8_t {
  Braille,     // braille dots, 2 by 4 to a character, in a frame of box characters (UTF-8)
  HalfBlocks,  // half blocks, 1 by 2, and box characters, all of them in code page 852
  Ascii,       // "*" in a frame of "-", "|" and "+"
};

// Characters and lines for text; pixels for SVG. Clamped to what can hold a plot (at least 30 by
// 8 characters, 160 by 120 pixels) and to at most 2000 by 1000 characters, 8000 by 8000 pixels.
struct GraphSize {
  int columns = 80;
  int rows = 24;
};

struct GraphOptions {
  // The expression, for the SVG's title; any bytes (what is not UTF-8 is shown as "?").
  std::string expression;
  // The decimal point of the numbers written on the axes and in the footer.
  char decimalSeparator = '.';
};

// At most size.rows lines of at most size.columns characters: the frame with the plot, the LI
// labels under it, and a footer of one or two lines (more only when the width is very small).
std::vector<std::string> DrawTextGraph(const GraphSeries& series, GraphForm form, GraphSize size,
                                       const GraphOptions& options);

// A complete SVG document of size.columns by size.rows pixels.
std::string DrawSvgGraph(const GraphSeries& series, GraphSize size, const GraphOptions& options);

}  // namespace calcorix
