#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/console.hpp"
#include "platform/process.hpp"
#include "settings/command_line.hpp"
#include "settings/config_location.hpp"
#include "settings/settings.hpp"
#include "support/temp_folder.hpp"

namespace calcorix::test {

// Each test gets its own temporary directory, which stands for the program's directory, and
// starts from no parameters.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { SetExecutablePath(directory_ + "/calcorix"); }
  void TearDown() override { CaptureConsole(nullptr); }

  std::string PathOf(const std::string& name) const { return directory_ + "/" + name; }
  std::string ConfigPath() const { return PathOf("calcorix.cfg"); }

  // Writes the bytes exactly as given (no line-end translation) and gives the file's path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    return folder_.Write(name, bytes);
  }
  std::string WriteConfig(const std::string& bytes) const {
    return WriteFile("calcorix.cfg", bytes);
  }

  // A start with these parameters, and a configuration file beside the program only when given.
  void StartWith(const std::vector<std::string>& parameters,
                 const std::optional<std::string>& config) {
    std::filesystem::remove(ConfigPath());
    if (config) WriteConfig(*config);
    parameters_ = parameters;
  }

  // The settings of a start with parameters_ and the file that FindConfigFile finds.
  Settings Load(char decimalSeparator = '.') const {
    return LoadSettings(ParseCommandLine(parameters_), FindConfigFile(), decimalSeparator);
  }

  TempFolder folder_;
  std::string directory_ = folder_.Root().string();
  std::vector<std::string> parameters_;
};

}  // namespace calcorix::test
