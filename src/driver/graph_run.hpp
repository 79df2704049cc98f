#pragma once

#include <string>
#include <string_view>

#include "calcorix/calculator.hpp"
#include "platform/console.hpp"
#include "settings/settings.hpp"

// -p: the loop's results drawn instead of printed.

namespace calcorix {

// Computes every pass of the loop exactly as the printed loop does, printing nothing per pass,
// then draws the results on standard output. A text plot goes out in the output's style: braille
// for UTF-8, half blocks for code page 852, or ASCII for -pa; it is as large as
// settings/graph_size.hpp says. An SVG document (-ps) is always 800 by 500 pixels of UTF-8 with LF
// line ends, whatever the output's style, COLUMNS or LINES. Answers whether a pass gave an error.
bool DrawLoopGraph(const Settings& settings, const std::string& expression, Calculator& calculator,
                   TextStyle outputStyle);

// The line for -p without a loop of the command line's expression to draw.
std::string_view GraphNeedsLoopLine();

}  // namespace calcorix
