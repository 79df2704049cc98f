#include "settings/config_location.hpp"

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/process.hpp"

namespace calcorix {
namespace {

constexpr std::string_view kConfigFileName = "calcorix.cfg";
constexpr std::string_view kInFolder = "/calcorix/calcorix.cfg";

// The directory of the executable, up to and including its last "/", then the file name. The
// path is not cut to 255 characters: a cut path would name another file.
std::string ConfigFilePathBeside(const std::string& executablePath) {
  const std::size_t slash = executablePath.rfind('/');
  // An executable that could not be located has no folder: no file is looked for, and certainly
  // not in the current directory, which whoever controls it could fill.
  if (slash == std::string::npos) return {};
  return executablePath.substr(0, slash + 1) + std::string(kConfigFileName);
}

// $XDG_CONFIG_HOME/calcorix/calcorix.cfg, or ~/.config/calcorix/calcorix.cfg; empty when neither
// variable says where that is. A relative XDG_CONFIG_HOME is ignored, as the convention asks.
std::string UserConfigFilePath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (xdg != nullptr && xdg[0] == '/') {
    folder = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + std::string(kInFolder);
}

// calcorix/calcorix.cfg in each folder of $XDG_CONFIG_DIRS, in its order, or in /etc/xdg when the
// variable is unset or empty. Relative entries (and empty ones) are ignored, as the convention
// asks: they would name folders below whatever the current directory happens to be.
std::vector<std::string> SystemConfigFilePaths() {
  const char* xdg = std::getenv("XDG_CONFIG_DIRS");
  const std::string_view folders = xdg != nullptr && xdg[0] != '\0' ? xdg : "/etc/xdg";
  std::vector<std::string> paths;
  for (std::size_t start = 0; start <= folders.size();) {
    std::size_t end = folders.find(':', start);
    if (end == std::string_view::npos) end = folders.size();
    const std::string_view folder = folders.substr(start, end - start);
    if (folder.starts_with('/')) paths.push_back(std::string(folder) + std::string(kInFolder));
    start = end + 1;
  }
  return paths;
}

}  // namespace

ConfigFile FindConfigFile() {
  const std::string beside = ConfigFilePathBeside(ExecutablePath());
  const char* named = std::getenv("CALCORIX_CONFIG");
  std::vector<std::string> paths{named != nullptr ? std::string(named) : std::string(), beside,
                                 UserConfigFilePath()};
  for (std::string& path : SystemConfigFilePaths())
    paths.push_back(std::move(path));
  ConfigFile unread;  // the one beside the executable, named in notes when no file is found
  for (const std::string& path : paths) {
    if (path.empty()) continue;
    ConfigFile config(path);
    if (config.IsOpen()) return config;
    if (path == beside) unread = std::move(config);
  }
  return unread;
}

}  // namespace calcorix
