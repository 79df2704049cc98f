#include "settings/graph_size.hpp"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace calcorix {
namespace {

constexpr GraphSize kDetachedSize{80, 24};
constexpr int kRowsKeptFree = 4;

// Decimal digits alone, of a value that fits an int.
std::optional<int> PositiveWholeNumber(std::string_view text) {
  // from_chars would take a leading "-"; only digits are a whole number here.
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value <= 0) return {};
  return value;
}

int Measure(const char* variable, int window, int otherwise) {
  if (variable != nullptr) {
    if (const std::optional<int> number = PositiveWholeNumber(variable)) return *number;
  }
  return window > 0 ? window : otherwise;
}

}  // namespace

GraphSize TextGraphSize(std::optional<WindowSize> window, const char* columns, const char* lines) {
  const WindowSize known = window.value_or(WindowSize{});
  const int rows = known.rows > 0 ? std::max(known.rows - kRowsKeptFree, 1) : 0;
  return {Measure(columns, known.columns, kDetachedSize.columns),
          Measure(lines, rows, kDetachedSize.rows)};
}

}  // namespace calcorix
