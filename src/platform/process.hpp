#pragma once

#include <optional>
#include <string>
#include <vector>

// What the operating system tells the program about its own start: the parameters, the path of
// the executable file and the environment. main() records the parameters; tests set their own.

namespace calcorix {

// Records the process's argv (argv[0] is the program itself and is not a parameter).
void RecordProcessArguments(int argc, const char* const* argv);
#ifdef _WIN32
// The same from the wide-character argv of wmain, each parameter in UTF-8: the narrow argv would
// have passed through the ANSI code page, which turns a character it lacks into "?" or into a
// look-alike (a full-width digit into a digit).
void RecordProcessArguments(int argc, const wchar_t* const* argv);
#endif

// Replaces the parameters (tests and fuzz targets).
void SetParameters(std::vector<std::string> parameters);

// The command-line parameters, without the program's own name.
const std::vector<std::string>& Parameters();

// Full path of the running executable (SystemExecutablePath), unless a test replaced it.
std::string ExecutablePath();
void SetExecutablePath(std::string path);

// The running executable as the system locates it. POSIX systems: the target of /proc/self/exe;
// when that link cannot be read, `programName` (argv[0]) if it names a path (holds a "/"), else the
// first executable file of that name along PATH, as the shell found it. Windows: the module's file
// name (GetModuleFileNameW), in UTF-8, however long. Empty when none of these locates it: the
// current directory is never assumed.
std::string SystemExecutablePath(const std::string& programName);

#ifndef _WIN32
// The executable as found from what the system tells: `linkTarget` (the target of
// /proc/self/exe, empty when unreadable), `programName` (argv[0]) and `searchPath` (PATH; an
// empty entry stands for the current directory, as for the shell).
std::string LocateExecutable(const std::string& linkTarget, const std::string& programName,
                             const char* searchPath);
#endif

// The value of an environment variable, nothing when it is unset. On Windows in UTF-8 from the
// wide-character environment, so that a path in it is the one the user set whatever the ANSI
// code page.
std::optional<std::string> EnvironmentVariable(const char* name);

}  // namespace calcorix
