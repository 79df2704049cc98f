// Costs of the settings: reading the configuration file (once per run), the one parse of the
// command line, and the joining of its expression words.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/process.hpp"
#include "settings/command_line.hpp"
#include "settings/config_file.hpp"
#include "settings/config_location.hpp"
#include "settings/settings.hpp"

namespace calcorix {
namespace {

// A temporary directory holding one configuration file, removed at the end of the benchmark.
class ConfigDirectory {
 public:
  explicit ConfigDirectory(const std::string& contents) {
    std::string pattern = (std::filesystem::temp_directory_path() / "calcorix-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    directory_ = pattern;
    std::ofstream(Path(), std::ios::binary) << contents;
  }
  ~ConfigDirectory() { std::filesystem::remove_all(directory_); }
  std::string Path() const { return directory_ + "/calcorix.cfg"; }
  std::string Executable() const { return directory_ + "/calcorix"; }

 private:
  std::string directory_;
};

std::string FillerLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "; a comment line of no interest\r\n";
  return text;
}

void BM_ReadAFileOf100000Lines(benchmark::State& state) {
  const ConfigDirectory directory(FillerLines(99999) + "-tG\r\n");
  for (auto _ : state)
    benchmark::DoNotOptimize(ConfigFile(directory.Path()).FindConfigKey('t'));
}
BENCHMARK(BM_ReadAFileOf100000Lines)->Unit(benchmark::kMillisecond);

void BM_ReadA64MiBFileWithoutLineEnd(benchmark::State& state) {
  const ConfigDirectory directory(std::string(64 << 20, 'x'));
  for (auto _ : state)
    benchmark::DoNotOptimize(ConfigFile(directory.Path()).ConfigLineCount());
  state.SetBytesProcessed(state.iterations() * (64 << 20));
}
BENCHMARK(BM_ReadA64MiBFileWithoutLineEnd)->Unit(benchmark::kMillisecond);

void BM_LoadSettingsWithTheFourLineFile(benchmark::State& state) {
  const ConfigDirectory directory("-iS\n-tD\n-oE\n-f4\n");
  SetExecutablePath(directory.Executable());
  const CommandLine line = ParseCommandLine({"2*sin(30)+3^2"});
  for (auto _ : state)
    benchmark::DoNotOptimize(LoadSettings(line, FindConfigFile(), '.'));
}
BENCHMARK(BM_LoadSettingsWithTheFourLineFile)->Unit(benchmark::kMicrosecond);

// A 255-word expression, with a switch in front.
std::vector<std::string> WordParameters(std::size_t count) {
  std::vector<std::string> parameters{"-td"};
  for (std::size_t i = 0; i < count; ++i)
    parameters.push_back(i % 2 == 0 ? "1" : "+");
  return parameters;
}

void BM_ParseCommandLine(benchmark::State& state) {
  const std::vector<std::string> parameters =
      WordParameters(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(ParseCommandLine(parameters));
}
BENCHMARK(BM_ParseCommandLine)->Arg(3)->Arg(255)->Unit(benchmark::kMicrosecond);

void BM_JoinExpressionWords(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  const CommandLine line = ParseCommandLine(WordParameters(count));
  for (auto _ : state)
    benchmark::DoNotOptimize(line.JoinExpressionWords(count));
}
BENCHMARK(BM_JoinExpressionWords)->Arg(3)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace calcorix
