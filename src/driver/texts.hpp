#pragma once

#include "settings/settings.hpp"

// The two fixed screens of the program.

namespace calcorix {

// The start-up banner, shown only when the program is started without any parameter; two more
// lines when standard input was chosen by the configuration file.
void PrintBanner(const Settings& settings);

// The help screen; ends the program with status 0 (EndProgram), it does not return.
[[noreturn]] void PrintHelp();

// The help screen alone, for "help" at the interactive prompt.
void WriteHelpScreen();

// The banner's first two lines, the program and its version; ends the program with status 0.
[[noreturn]] void PrintVersion();

}  // namespace calcorix
