#include "platform/process.hpp"

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
  return SystemExecutablePath(programName);
}

void SetExecutablePath(std::string path) {
  executableOverride = std::move(path);
}

}  // namespace calcorix
