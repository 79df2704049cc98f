// Hostile conditions for the real binary: huge and odd command lines, configuration files that are
// no files, standard input without line structure, and output that cannot be written. Each case
// checks the bytes written, the exit status, that no signal ended the program and that it did not
// hang. The long versions (gigabytes, ten million lines) live in fuzz/hostile.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calcorix/graph.hpp"
#include "cli_support.hpp"
#include "graph/series_support.hpp"

namespace calcorix::test {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
// The binary is built the same way: ASan reserves terabytes of shadow memory and has big frames.
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Every run gets no more than 16 MB of address space, so no more resident memory either: a
// program that kept what it reads would fail to allocate and die. Windows sets no such limit on a
// child; the reading that keeps memory bounded is the same shared code there.
#ifdef _WIN32
constexpr std::size_t kMemoryLimitBytes = 0;
#else
constexpr std::size_t kMemoryLimitBytes = kSanitized ? 0 : 16u << 20;
#endif

std::string Repeat(const std::string& part, std::size_t count) {
  std::string text;
  text.reserve(part.size() * count);
  for (std::size_t i = 0; i < count; ++i)
    text += part;
  return text;
}

struct HostileCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;
  std::string expected;
  int exitStatus = 0;
  // Puts something in place of the configuration file; nothing when empty.
  std::function<void(const fs::path&)> prepareConfig = {};
  OutputTarget target = OutputTarget::Pipe;
  std::size_t stackLimitBytes = 0;
};

#ifdef _WIN32
// What Windows cannot do: pass a command line of more than 32,767 characters, or write to a full
// device.
bool WindowsCannot(const HostileCase& c) {
  std::size_t length = 0;
  for (const std::string& argument : c.arguments)
    length += argument.size() + 3;
  return length > 32767 || c.target == OutputTarget::DevFull;
}
#endif

void RunHostileCases(const std::vector<HostileCase>& cases) {
  for (const HostileCase& c : cases) {
#ifdef _WIN32
    if (WindowsCannot(c)) continue;
#endif
    SCOPED_TRACE(c.name);
    Installed installed(std::nullopt);
    if (c.prepareConfig) c.prepareConfig(installed.ConfigPath());
    ProcessOptions options;
    options.arguments = c.arguments;
    options.input = c.input;
    options.target = c.target;
    options.stackLimitBytes = c.stackLimitBytes;
    options.memoryLimitBytes = kMemoryLimitBytes;
    options.timeLimitSeconds = 30;
    const ProcessResult result = installed.Run(options);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    if (c.target == OutputTarget::Pipe) {
      // Whole outputs of a megabyte are not worth printing when they differ.
      EXPECT_TRUE(result.output == c.expected)
          << "output of " << result.output.size() << " bytes, starting "
          << result.output.substr(0, 200);
    }
  }
}

void WriteFile(const fs::path& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

TEST(HostileCli, CommandLines) {
  const std::string longWord(100000, '1');
  std::vector<std::string> tenThousandSums(10000, "+1");
  std::vector<std::string> tenThousandSwitches(10000, "-td");
  tenThousandSwitches.push_back("sin(30)");
  std::vector<std::string> openQuote{"-l'1:"};
  openQuote.insert(openQuote.end(), 10000, "2");
  RunHostileCases({
      // The word count is 8 bits wide: 10,000 words join as 10,000 mod 256 = 16.
      {"10,000 words", tenThousandSums, "", Lines({"16"})},
      {"10,000 empty words", std::vector<std::string>(10000, ""), "", Lines({"0"})},
      {"10,000 switches", tenThousandSwitches, "", Lines({"0.5"})},
      {"a quote that never closes over 10,000 words", openQuote, "",
       Lines({"Błędne parametry pętli."}), 1},
      {"a word of 100,000 bytes", {longWord}, "", Lines({"1.111111111111111E254"})},
      {"a switch value of 100,000 digits",
       {"-f" + std::string(100000, '9'), "2/3"},
       "",
       Lines({"1"})},
      // A step of 0 never ends: the graph stops at its pass limit, in little memory.
      {"a graph of a loop that never ends",
       {"-pa", "-l1:0:5", "LI"},
       "",
       PlotBytes(DrawTextGraph(LoopSeries("LI", {1, 0, 5}), GraphForm::Ascii, {80, 24}, {"LI"}),
                 true)},
      {"a loop end of 100,000 bytes",
       {"-l1:1:" + std::string(100000, '0'), "LI"},
       "",
       Lines({"1"})},
      {"bytes that are no characters", {"\xFF\xFE"}, "", Lines({"Błąd w formule"})},
      {"control characters", {"2\x01+3"}, "", Lines({"Błąd w formule"})},
      {"UTF-8 letters",
       {"2\xC3\x97"
        "3"},
       "",
       Lines({"Błąd w formule"})},
      // Not 2+3, as the ANSI code page's best fit would make of it on Windows.
      {"full-width digits", {"\xEF\xBC\x92+\xEF\xBC\x93"}, "", Lines({"Błąd w formule"})},
      {"an invalid byte as switch value", {"-t\xFF", "sin(30)"}, "", Lines({"-0.988031624092862"})},
      {"an invalid byte as switch letter", {"-\xFF", "1+1"}, "", Lines({"2"})},
  });
}

TEST(HostileCli, ConfigurationFilesThatAreNoFiles) {
  const std::string degrees = Lines({"0.5"});
  const std::string radians = Lines({"-0.988031624092862"});
  const std::vector<std::string> sine{"sin(30)"};
#ifndef _WIN32
  // As root the permission bits do not stop a read: then the unreadable file is read like any.
  const bool readsAnyFile = ::geteuid() == 0;
#endif
  RunHostileCases({
      {"a directory", sine, "", radians, 0, [](const fs::path& p) { fs::create_directory(p); }},
#ifndef _WIN32  // FIFOs, devices in the file tree, links and permission bits are POSIX

      {"a FIFO that never sends", sine, "", radians, 0,
       [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"a device that never ends", sine, "", radians, 0,
       [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
      {"a dangling link", sine, "", radians, 0,
       [](const fs::path& p) { fs::create_symlink("nowhere.cfg", p); }},
      {"a link to itself", sine, "", radians, 0,
       [](const fs::path& p) { fs::create_symlink(p.filename(), p); }},
      {"without read permission", sine, "", readsAnyFile ? degrees : radians, 0,
       [](const fs::path& p) {
         WriteFile(p, "-tD\n");
         fs::permissions(p, fs::perms::none);
       }},
#endif
      {"no line end at all", sine, "", degrees, 0, [](const fs::path& p) { WriteFile(p, "-tD"); }},
      {"four megabytes without a line end", sine, "", radians, 0,
       [](const fs::path& p) { WriteFile(p, std::string(4 << 20, 'x') + "-tD"); }},
      {"a line of four megabytes, then the key", sine, "", degrees, 0,
       [](const fs::path& p) { WriteFile(p, std::string(4 << 20, 'x') + "\n-tD"); }},
      {"sixteen megabytes of NUL", sine, "", radians, 0,
       [](const fs::path& p) {
         WriteFile(p, "");
         fs::resize_file(p, 16 << 20);
       }},
      {"100,000 lines, the key last", sine, "", degrees, 0,
       [](const fs::path& p) { WriteFile(p, Repeat("; x\r\n", 100000) + "-tD\r\n"); }},
  });
}

TEST(HostileCli, StandardInputWithoutLineStructure) {
  const std::vector<std::string> standardInput{"-is"};
  RunHostileCases({
      {"four megabytes of NUL", standardInput, std::string(4 << 20, '\0'),
       Lines({"Błąd w formule"})},
      {"eight megabytes on one line", standardInput, std::string(8 << 20, '7') + "\n1+1",
       Lines({"7.777777777777778E254", "2"})},
      {"200,000 CR bytes are 200,000 empty lines", standardInput, std::string(200000, '\r'),
       Repeat("0\r\n", 200000)},
      {"200,000 short lines", standardInput, Repeat("1+1\n", 200000), Repeat("2\r\n", 200000)},
      {"CR LF split by nothing but more CR", standardInput, "1\r\r\n2\n\r",
       Lines({"1", "0", "2", "0"})},
      {"Ctrl+Z after a megabyte", standardInput,
       std::string(1 << 20, '5') + "\x1A"
                                   "1\n",
       Lines({"5.555555555555556E254"})},
  });
}

TEST(HostileCli, OutputThatCannotBeWrittenEndsWithStatusOne) {
  const auto full = OutputTarget::DevFull;
  const auto closed = OutputTarget::ClosedPipe;
  RunHostileCases({
      {"a single result", {"1+1"}, "", "", 1, {}, full},
      {"the help screen", {"-h"}, "", "", 1, {}, full},
      {"the banner", {}, "", "", 1, {}, full},
      {"a graph", {"-p", "-l0:1:5", "LI"}, "", "", 1, {}, full},
      {"a loop message that ends with status 0", {"-l"}, "", "", 1, {}, full},
      {"an echoed comment", {"-is"}, "#x\n", "", 1, {}, full},
      {"lines from standard input", {"-is"}, Repeat("1\n", 100000), "", 1, {}, full},
      {"a closed pipe and many lines", {"-is"}, Repeat("1\n", 500000), "", 1, {}, closed},
      {"a closed pipe and a long loop", {"-l1:1:1E9", "LI"}, "", "", 1, {}, closed},
      // Nothing to write, nothing failed.
      {"the quit line writes nothing", {"-is"}, "q\n", "", 0, {}, full},
  });
}

#ifndef _WIN32  // a child's stack is set in the executable on Windows, not by its parent
TEST(HostileCli, DeepNestingNeedsLittleStack) {
  // The deepest texts a user can type, with a stack far below the usual 8 MB (they need about
  // 48 KiB in the release build).
  const std::size_t stack = kSanitized ? 1u << 20 : 256u << 10;
  const std::string groups = std::string(127, '(') + "5" + std::string(127, ')');
  std::string calls;
  for (int i = 0; i < 63; ++i)
    calls += "LN(";
  calls += "9" + std::string(63, ')');
  RunHostileCases({
      {"127 groups", {groups}, "", Lines({"5"}), 0, {}, OutputTarget::Pipe, stack},
      {"63 nested calls",
       {calls},
       "",
       Lines({"Błąd w formule."}),
       0,
       {},
       OutputTarget::Pipe,
       stack},
      {"127 groups from standard input",
       {"-is"},
       groups + "\n" + calls + "\n",
       Lines({"5", "Błąd w formule."}),
       0,
       {},
       OutputTarget::Pipe,
       stack},
  });
}
#endif

}  // namespace
}  // namespace calcorix::test
