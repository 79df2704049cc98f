#include "platform/process.hpp"

#include <unistd.h>

#include <array>
#include <optional>

namespace calcorix {
namespace {

std::vector<std::string> parameters;
std::string programName;
std::optional<std::string> executableOverride;

}  // namespace

void RecordProcessArguments(int argc, const char* const* argv) {
  parameters.clear();
  programName = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  for (int i = 1; i < argc; ++i)
    parameters.emplace_back(argv[i] != nullptr ? argv[i] : "");
}

void SetParameters(std::vector<std::string> newParameters) {
  parameters = std::move(newParameters);
}

const std::vector<std::string>& Parameters() {
  return parameters;
}

std::string ExecutablePath() {
  if (executableOverride) return *executableOverride;
  std::array<char, 4096> link{};
  const ssize_t n = ::readlink("/proc/self/exe", link.data(), link.size());
  if (n > 0 && static_cast<std::size_t>(n) < link.size()) {
    return std::string(link.data(), static_cast<std::size_t>(n));
  }
  return programName;
}

void SetExecutablePath(std::string path) {
  executableOverride = std::move(path);
}

}  // namespace calcorix
