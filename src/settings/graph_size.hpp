#pragma once

#include <optional>

#include "calcorix/graph.hpp"
#include "platform/system.hpp"

namespace calcorix {

// The size of a text plot, each of its two measures on its own: COLUMNS or LINES when the
// variable holds a positive whole number (decimal digits alone); else, at a terminal, the
// window's width, and its rows less 4, which leaves the command, the prompt and a little of what
// came before in sight; else 80 by 24. A measure the window reports as 0 is taken as unknown.
// `columns` and `lines` are null when the variable is unset.
GraphSize TextGraphSize(std::optional<WindowSize> window, const char* columns, const char* lines);

}  // namespace calcorix
