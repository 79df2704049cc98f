// The configuration-file look-ups on arbitrary file contents, checked against a plain model of
// what a line is: it ends at LF, CR or CR LF, a Ctrl+Z ends the contents, an empty file holds one
// empty line, and only the first 255 characters of a line count.
//
// Byte 0 chooses the size of the blocks the file is read in, 1 to 17 bytes, so that line ends, CR
// LF pairs, Ctrl+Z and the 255-character cut fall on block boundaries in every way. The rest is the
// file. The whole start-up (LoadSettings) then runs on the same file.
//
// The file lies in a memory file system (/dev/shm) where there is one: on a disk file system,
// truncating and rewriting it for every input makes the kernel write it out at each close, and
// while the disk is busy a run spends most of its time waiting for that. The file is still opened
// by its path, as the program opens it, for every reading; only the writing goes through one
// descriptor kept open.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "fuzz_support.hpp"
#include "platform/console.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "settings/config_file.hpp"
#include "settings/config_location.hpp"
#include "settings/settings.hpp"
#include "settings/whole_number.hpp"

namespace calcorix::fuzz {
namespace {

constexpr std::size_t kMaxLine = 255;
constexpr std::size_t kLargestBlock = 17;

std::string folder;
std::string path;
int writer = -1;  // the file, open for writing from start to end

// A folder of our own in the first of /dev/shm, $TMPDIR and /tmp that can take one.
std::string MakeFolder() {
  std::vector<std::string> places = {"/dev/shm"};
  if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && tmp[0] == '/')
    places.push_back(tmp);
  places.emplace_back("/tmp");
  for (const std::string& place : places) {
    std::string name = place + "/calcorix-fuzz-config-XXXXXX";
    if (::mkdtemp(name.data()) != nullptr) return name;
  }
  Fail("mkdtemp", "no folder for the configuration file");
}

void RemoveFolder() {
  if (writer >= 0) ::close(writer);
  ::unlink(path.c_str());
  ::rmdir(folder.c_str());
}

void WriteFile(std::string_view contents) {
  std::size_t written = 0;
  while (written < contents.size()) {
    const ssize_t n = ::pwrite(writer, contents.data() + written, contents.size() - written,
                               static_cast<off_t>(written));
    if (n <= 0) Fail("cannot write the configuration file", path);
    written += static_cast<std::size_t>(n);
  }
  if (::ftruncate(writer, static_cast<off_t>(contents.size())) != 0) {
    Fail("cannot cut the configuration file", path);
  }
}

std::vector<std::string> ModelLines(std::string_view contents) {
  contents = contents.substr(0, contents.find('\x1A'));
  std::vector<std::string> lines;
  std::size_t i = 0;
  do {
    const std::size_t stop = contents.find_first_of("\r\n", i);
    const std::string_view line =
        contents.substr(i, stop == std::string_view::npos ? std::string_view::npos : stop - i);
    lines.emplace_back(line.substr(0, kMaxLine));
    if (stop == std::string_view::npos) break;
    i = stop + 1;
    if (contents[stop] == '\r' && i < contents.size() && contents[i] == '\n') ++i;
  } while (i < contents.size());
  return lines;
}

// The number of the first key line of each letter (by its upper-case form); 0 for none.
std::array<std::size_t, 256> ModelKeys(const std::vector<std::string>& lines) {
  std::array<std::size_t, 256> keys{};
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (line.size() < 2 || (line[0] != '-' && line[0] != '/')) continue;
    std::size_t& key = keys[static_cast<unsigned char>(UpperAscii(line[1]))];
    if (key == 0) key = n + 1;
  }
  return keys;
}

void AppendCut(std::string& text, std::string_view part) {
  text.append(part.substr(0, kMaxLine - std::min(kMaxLine, text.size())));
}

// The value text of the key on line `key` (numbered from 1). A quoted value takes the following
// lines up to one that ends with the closing character, each after one blank, and loses its last
// character; nothing past 255 characters counts, so the joining may stop once 255 are there.
std::string ModelText(const std::vector<std::string>& lines, std::size_t key) {
  const std::string value = lines[key - 1].substr(2);
  const std::string_view quotes = "'\"[";
  const std::size_t kind = value.empty() ? std::string::npos : quotes.find(value[0]);
  if (kind == std::string::npos) return value;
  const char closer = "'\"]"[kind];
  std::string joined;
  AppendCut(joined, std::string_view(value).substr(1));
  for (std::size_t n = key; n < lines.size() && joined.size() < kMaxLine; ++n) {
    AppendCut(joined, " ");
    AppendCut(joined, lines[n]);
    if (!lines[n].empty() && lines[n].back() == closer) break;
  }
  if (!joined.empty()) joined.pop_back();
  return joined;
}

}  // namespace
}  // namespace calcorix::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace calcorix::fuzz;
  // Only the file beside the program may be read, whatever the environment names.
  ::unsetenv("CALCORIX_CONFIG");
  folder = MakeFolder();
  path = folder + "/calcorix.cfg";
  writer = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (writer < 0) Fail("cannot create the configuration file", path);
  std::atexit(RemoveFolder);
  calcorix::SetExecutablePath(folder + "/calcorix");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace calcorix;
  using namespace calcorix::fuzz;
  if (size < 1) return -1;
  const std::size_t block = data[0] % kLargestBlock + 1;
  const std::string_view contents(reinterpret_cast<const char*>(data + 1), size - 1);
  WriteFile(contents);

  const std::vector<std::string> lines = ModelLines(contents);
  const std::array<std::size_t, 256> keys = ModelKeys(lines);
  const ConfigFile config(path, block);
  if (!config.IsOpen()) Fail("the file was not read", contents);
  if (config.ConfigLineCount() != lines.size()) Fail("line count", contents);
  // Every byte as a key letter: letters in either case find the same key, other bytes only
  // their own.
  std::array<std::optional<std::string>, 256> texts;
  for (int code = 0; code < 256; ++code) {
    const auto letter = static_cast<char>(code);
    const auto upper = static_cast<unsigned char>(UpperAscii(letter));
    const std::size_t key = keys[upper];
    if (config.FindConfigKey(letter) != key) Fail("key line number", contents);
    if (config.ConfigKeyPresent(letter) != (key != 0)) Fail("key presence", contents);
    const std::int32_t number =
        key == 0 ? 0 : WholeNumberValue(std::string_view(lines[key - 1]).substr(2));
    if (config.ConfigInteger(letter) != number) Fail("key number", contents);
    const std::string text = config.ConfigText(letter);
    if (text.size() > kMaxLine) Fail("value text over 255 characters", contents);
    if (!texts[upper]) texts[upper] = key == 0 ? std::string() : ModelText(lines, key);
    if (text != *texts[upper]) Fail("value text", contents);
  }

  // The start-up on this file alone: whatever it holds, nothing is written and nothing ends.
  std::string output;
  CaptureConsole(&output);
  Settings settings;
  try {
    settings = LoadSettings(CommandLine(), FindConfigFile(), '.');
  } catch (...) {
    Fail("LoadSettings left with an exception", contents);
  }
  CaptureConsole(nullptr);
  if (!output.empty()) Fail("LoadSettings wrote", output);
  if (settings.configFilePath != path) Fail("configuration file path", settings.configFilePath);
  if (settings.loopProblem != LoopProblem::None) Fail("a loop problem from the file", contents);
  const auto source = static_cast<int>(settings.inputSource);
  const auto unit = static_cast<int>(settings.options.angleUnit);
  const auto format = static_cast<int>(settings.options.outputFormat);
  if (source < 1 || source > 2 || unit > 2 || format < 1 || format > 6) {
    Fail("a setting outside its values", contents);
  }
  const std::size_t places = keys['F'];
  const auto expectedPlaces = static_cast<std::uint8_t>(
      places == 0 ? kNoFixedPlaces
                  : WholeNumberValue(std::string_view(lines[places - 1]).substr(2)));
  if (settings.options.decimalPlaces != expectedPlaces) Fail("decimal places", contents);
  if (settings.loopEnabled || settings.graph != GraphRequest::None)
    Fail("loop or graph from the file", contents);
  return 0;
}
