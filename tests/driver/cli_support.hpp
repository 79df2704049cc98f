#pragma once

// What the end-to-end tests of the real binary share: a copy of the binary in a folder of its own,
// so that a calcorix.cfg (or something hostile in its place) can lie beside it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "program_lines.hpp"
#include "run_process.hpp"

namespace calcorix::test {

#ifdef _WIN32
inline constexpr const char* kProgramFileName = "calcorix.exe";
#else
inline constexpr const char* kProgramFileName = "calcorix";
#endif

class Installed {
 public:
  explicit Installed(const std::optional<std::string>& config) {
    namespace fs = std::filesystem;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              ("calcorix-cli-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    binary_ = folder_ / kProgramFileName;
    fs::copy_file(CALCORIX_BINARY, binary_);
    if (config) std::ofstream(ConfigPath(), std::ios::binary) << *config;
  }
  ~Installed() { std::filesystem::remove_all(folder_); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

  // Where the program looks for its configuration file.
  std::filesystem::path ConfigPath() const { return folder_ / "calcorix.cfg"; }

  ProcessResult Run(ProcessOptions options) const { return RunProcess(binary_.string(), options); }
  std::string Binary() const { return binary_.string(); }

 private:
  std::filesystem::path folder_;
  std::filesystem::path binary_;
};

// The lines of a text plot as the program writes them: code page 852 with CR LF, or UTF-8 with LF.
inline std::string PlotBytes(const std::vector<std::string>& lines, bool cp852) {
  std::string bytes;
  for (const std::string& line : lines)
    bytes += cp852 ? Lines({line}) : line + "\n";
  return bytes;
}

// One run of the installed binary and what it must give.
struct CliCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;
  std::optional<std::string> config;  // calcorix.cfg beside the binary
  std::string expected;               // standard output, byte for byte
  int exitStatus = 0;
  std::optional<std::string> errors = {};  // standard error, byte for byte, when given
};

// Runs each case in a fresh installation, with `environment` added to the usual one.
inline void RunCases(const std::vector<CliCase>& cases,
                     const std::vector<std::string>& environment = {}) {
  for (const CliCase& c : cases) {
    SCOPED_TRACE(c.name);
    Installed installed(c.config);
    ProcessOptions options;
    options.arguments = c.arguments;
    options.input = c.input;
    options.environment.insert(options.environment.end(), environment.begin(), environment.end());
    if (c.errors) options.errorTarget = ErrorTarget::Pipe;
    const ProcessResult result = installed.Run(options);
    if (c.errors) {
      EXPECT_EQ(result.errors, *c.errors);
    }
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.output, c.expected);
    EXPECT_EQ(result.exitStatus, c.exitStatus);
  }
}

}  // namespace calcorix::test
