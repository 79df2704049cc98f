// Where the configuration file is looked for on Windows: the file that CALCORIX_CONFIG names,
// calcorix.cfg beside calcorix.exe, then %APPDATA%\calcorix\calcorix.cfg. Paths are UTF-8, and
// "\" and "/" both separate their parts.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/process.hpp"
#include "settings/config_location.hpp"

namespace calcorix {
namespace {

constexpr std::string_view kConfigFileName = "calcorix.cfg";

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The folder of the executable, up to and including its last separator, then the file name; not
// cut to 255 characters. Empty when the executable could not be located: the current directory
// is never looked in.
std::string ConfigFilePathBeside(const std::string& executablePath) {
  const std::size_t separator = executablePath.find_last_of("\\/");
  if (separator == std::string::npos) return {};
  return executablePath.substr(0, separator + 1) + std::string(kConfigFileName);
}

// C:\..., C:/... or \\server\share\...: a folder that does not depend on the current one.
bool IsAbsolute(std::string_view folder) {
  const bool drive =
      folder.size() >= 3 &&
      ((folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z')) &&
      folder[1] == ':' && IsSeparator(folder[2]);
  const bool network = folder.size() >= 3 && IsSeparator(folder[0]) && IsSeparator(folder[1]);
  return drive || network;
}

// %APPDATA%\calcorix\calcorix.cfg; empty when APPDATA is unset or relative.
std::string UserConfigFilePath() {
  std::optional<std::string> folder = EnvironmentVariable("APPDATA");
  if (!folder || !IsAbsolute(*folder)) return {};
  if (!IsSeparator(folder->back())) *folder += '\\';
  return *folder + "calcorix\\" + std::string(kConfigFileName);
}

}  // namespace

ConfigFile FindConfigFile() {
  const std::string beside = ConfigFilePathBeside(ExecutablePath());
  ConfigFile unread;  // the one beside the executable, named in notes when no file is found
  for (const std::string& path : {EnvironmentVariable("CALCORIX_CONFIG").value_or(std::string()),
                                  beside, UserConfigFilePath()}) {
    if (path.empty()) continue;
    ConfigFile config(path);
    if (config.IsOpen()) return config;
    if (path == beside) unread = std::move(config);
  }
  return unread;
}

}  // namespace calcorix
