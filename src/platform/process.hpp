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

// Full path of the running executable: the target of /proc/self/exe; when that link cannot be
// read, argv[0] if it names a path (holds a "/"), else the first executable file of that name
// along PATH, as the shell found it. Empty when none of these locates it: the current directory
// is never assumed. Tests may replace it.
std::string ExecutablePath();
void SetExecutablePath(std::string path);

// The executable as found from what the system tells: `linkTarget` (the target of
// /proc/self/exe, empty when unreadable), `programName` (argv[0]) and `searchPath` (PATH; an
// empty entry stands for the current directory, as for the shell).
std::string LocateExecutable(const std::string& linkTarget, const std::string& programName,
                             const char* searchPath);

}  // namespace calcorix
