// Costs of the settings: reading the configuration file (once per run), and the joining
// of the expression words that the driver repeats before every loop pass.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/process.hpp"
#include "settings/config_file.hpp"
#include "settings/settings.hpp"
#include "settings/switches.hpp"

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
  SetParameters({"2*sin(30)+3^2"});
  for (auto _ : state)
    benchmark::DoNotOptimize(LoadSettings());
  SetParameters({});
}
BENCHMARK(BM_LoadSettingsWithTheFourLineFile)->Unit(benchmark::kMicrosecond);

// The words of a 255-word expression, with a switch in front.
void SetWordParameters(std::size_t count) {
  std::vector<std::string> parameters{"-td"};
  for (std::size_t i = 0; i < count; ++i)
    parameters.push_back(i % 2 == 0 ? "1" : "+");
  SetParameters(parameters);
}

void BM_JoinWordByWord(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SetWordParameters(count);
  for (auto _ : state) {
    std::string expression;
    for (std::size_t n = 1; n <= count; ++n)
      expression += ExpressionWord(n);
    benchmark::DoNotOptimize(expression);
  }
  SetParameters({});
}
BENCHMARK(BM_JoinWordByWord)->Arg(3)->Arg(255)->Unit(benchmark::kMicrosecond);

void BM_JoinExpressionWords(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SetWordParameters(count);
  for (auto _ : state)
    benchmark::DoNotOptimize(JoinExpressionWords(count));
  SetParameters({});
}
BENCHMARK(BM_JoinExpressionWords)->Arg(3)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace calcorix
