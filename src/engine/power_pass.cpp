#include "engine/power_pass.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/factorial.hpp"
#include "engine/number_text.hpp"
#include "engine/power.hpp"
#include "engine/power_operands.hpp"

namespace calcorix {
namespace {

// The part of the text right of the scan. It changes only at its front (characters passed by the
// scan, inserted results, deleted right operands), so it sits at the back of a buffer with room in
// front: each change costs its own length, never the length of the text.
struct ScannedText {
  std::string buffer;
  std::size_t begin = 0;
};

std::string_view ViewOf(const ScannedText& t) {
  return std::string_view(t.buffer).substr(t.begin);
}

void Prepend(ScannedText& t, std::string_view s) {
  if (s.size() > t.begin) {
    const std::size_t length = t.buffer.size() - t.begin;
    const std::size_t room = std::max(length, s.size()) + 64;
    std::string bigger(room + length, '\0');
    std::copy(t.buffer.begin() + static_cast<std::ptrdiff_t>(t.begin), t.buffer.end(),
              bigger.begin() + static_cast<std::ptrdiff_t>(room));
    t.buffer.swap(bigger);
    t.begin = room;
  }
  t.begin -= s.size();
  std::copy(s.begin(), s.end(), t.buffer.begin() + static_cast<std::ptrdiff_t>(t.begin));
}

}  // namespace

std::string PowerPass(std::string_view input, FormulaState& state) {
  // Left of the scan: only its end changes (the scan, deleted left operands and "!" runs).
  std::string before(input);
  ScannedText after;
  after.buffer.assign(input.size() + 64, '\0');
  after.begin = after.buffer.size();
  std::string value;  // the text of each result, reusing one buffer
  while (!before.empty()) {
    const char c = before.back();
    if (c != '^' && c != '!') {
      Prepend(after, std::string_view(&before.back(), 1));
      before.pop_back();
      continue;
    }
    std::optional<long double> exponent;
    if (c == '^') {
      std::size_t length = 0;
      exponent = ReadRightOperand(ViewOf(after), length, state);
      if (!exponent) break;
      before.pop_back();
      after.begin += length;
    }
    const std::size_t marks = CountFactorialMarks(before);
    before.resize(before.size() - marks);
    std::size_t start = 0;
    std::optional<long double> base = ReadLeftOperand(before, start, state);
    if (!base) break;
    before.resize(start);
    for (std::size_t i = 0; i < marks; ++i)
      *base = Factorial(*base);
    value.clear();
    AppendSubstitutedValue(value, exponent ? Power(*base, *exponent) : *base);
    Prepend(after, value);
  }
  // `before` is empty unless a formula error stopped the scan; the room in front of the scanned
  // text takes it, so the result needs no new buffer.
  after.buffer.replace(0, after.begin, before);
  return std::move(after.buffer);
}

}  // namespace calcorix
