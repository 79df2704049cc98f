#include "platform/process.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string_view>

namespace calcorix {

std::string LocateExecutable(const std::string& linkTarget, const std::string& argumentZero,
                             const char* searchPath) {
  if (!linkTarget.empty()) return linkTarget;
  if (argumentZero.find('/') != std::string::npos) return argumentZero;
  if (argumentZero.empty() || searchPath == nullptr) return {};
  std::string_view rest = searchPath;
  for (;;) {
    const std::size_t colon = rest.find(':');
    const std::string_view folder = rest.substr(0, colon);
    std::string candidate = folder.empty() ? std::string(".") : std::string(folder);
    candidate += '/';
    candidate += argumentZero;
    struct stat status {};
    if (::stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    if (colon == std::string_view::npos) return {};
    rest.remove_prefix(colon + 1);
  }
}

std::string SystemExecutablePath(const std::string& programName) {
  std::array<char, 4096> link{};
  const ssize_t n = ::readlink("/proc/self/exe", link.data(), link.size());
  std::string target;
  if (n > 0 && static_cast<std::size_t>(n) < link.size()) {
    target.assign(link.data(), static_cast<std::size_t>(n));
  }
  return LocateExecutable(target, programName, std::getenv("PATH"));
}

std::optional<std::string> EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace calcorix
