#include "settings/config_file.hpp"

#include "settings/config_lines.hpp"
#include "settings/text_values.hpp"
#include "settings/whole_number.hpp"

namespace calcorix {
namespace {

bool IsKeyLine(const std::string& line, char wantedUpper) {
  return line.size() >= 2 && (line[0] == '-' || line[0] == '/') &&
         UpperAscii(line[1]) == wantedUpper;
}

// Reads up to and including the first key line with this letter, leaving the reader just after
// it. Gives its number and text, or 0 when the file holds no such line.
std::size_t ReadToKey(ConfigLineReader& reader, char letter, std::string& line) {
  if (!reader.IsOpen()) return 0;
  const char wanted = UpperAscii(letter);
  std::size_t number = 0;
  do {
    reader.ReadLine(line);
    ++number;
    if (IsKeyLine(line, wanted)) return number;
  } while (!reader.AtEnd());
  return 0;
}

}  // namespace

std::size_t ConfigLineCount(const std::string& path) {
  ConfigLineReader reader(path);
  if (!reader.IsOpen()) return 0;
  std::string line;
  std::size_t count = 0;
  do {
    reader.ReadLine(line);
    ++count;
  } while (!reader.AtEnd());
  return count;
}

std::string ConfigLine(const std::string& path, std::size_t n) {
  ConfigLineReader reader(path);
  std::string line;
  if (!reader.IsOpen() || n == 0) return line;
  std::size_t read = 0;
  do {
    reader.ReadLine(line);
    ++read;
  } while (read < n && !reader.AtEnd());
  return line;
}

std::size_t FindConfigKey(const std::string& path, char letter) {
  ConfigLineReader reader(path);
  std::string line;
  return ReadToKey(reader, letter, line);
}

bool ConfigKeyPresent(const std::string& path, char letter) {
  return FindConfigKey(path, letter) != 0;
}

std::int32_t ConfigInteger(const std::string& path, char letter) {
  ConfigLineReader reader(path);
  std::string line;
  if (ReadToKey(reader, letter, line) == 0) return 0;
  return WholeNumberValue(std::string_view(line).substr(2));
}

std::string ConfigText(const std::string& path, char letter) {
  ConfigLineReader reader(path);
  std::string line;
  if (ReadToKey(reader, letter, line) == 0) return {};
  return JoinQuotedValue(std::string_view(line).substr(2), [&](std::string& part) {
    if (reader.AtEnd()) return false;
    reader.ReadLine(part);
    return true;
  });
}

int ConfigQuoteKind(std::string_view text) {
  return QuoteKind(text);
}

}  // namespace calcorix
