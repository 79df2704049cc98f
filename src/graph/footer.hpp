#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calcorix/graph.hpp"
#include "graph/curve.hpp"
#include "graph/ticks.hpp"

// The words of a drawing: the footer that says, for a reader who cannot see the plot, what it
// shows and what it leaves out.

namespace calcorix {

// "Punkty: 62. Błędy: 1 (LI = 0). Min: -1 (LI = 4.7), max: 1 (LI = 1.6)." and, when they apply,
// the clipping with its markers (`marks`), a series without values and the stop at the pass
// limit.
std::string FooterText(const GraphSeries& series, const ValueRange& range, std::string_view marks,
                       char separator);

// The text in lines of at most `width` characters, broken at blanks (a longer word is cut).
std::vector<std::string> WrapWords(std::string_view text, int width);

// Characters, not bytes, of UTF-8 text.
int TextWidth(std::string_view utf8);

// The Polish letters without their marks ("ą" as "a"), anything else beyond ASCII as "?".
std::string AsciiLetters(std::string_view utf8);

}  // namespace calcorix
