#pragma once

#include <string>
#include <vector>

// What the operating system tells the program about its own start: the parameters and the
// path of the executable file. main() records them; tests set their own.

namespace calcorix {

// Records the process's argv (argv[0] is the program itself and is not a parameter).
void RecordProcessArguments(int argc, const char* const* argv);

// Replaces the parameters (tests and fuzz targets).
void SetParameters(std::vector<std::string> parameters);

// The command-line parameters, without the program's own name.
const std::vector<std::string>& Parameters();

// Full path of the running executable: the target of /proc/self/exe, or argv[0] when that link
// cannot be read. Tests may replace it.
std::string ExecutablePath();
void SetExecutablePath(std::string path);

}  // namespace calcorix
