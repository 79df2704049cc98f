#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/line_reader.hpp"
#include "settings/text_values.hpp"

// The configuration file, read once. A key line begins with "-" or "/"; its second character is
// the key letter (matched without regard to ASCII case) and the rest, blanks and comments included,
// is its value text. Every other line is ignored, and only the first key line of a letter counts.
// Lines are numbered from 1 with no upper limit, and 0 means "none". What counts as a line:
// platform/line_reader.hpp.
//
// Reading keeps only what the look-ups need, the first key line of each letter with its value
// (a quoted one joined over the lines that follow), so memory stays bounded whatever the file
// holds, and every look-up of a run is answered from that one reading. Only a regular file is read
// (platform/files.hpp); a file that cannot be opened answers as if every key were absent, without
// a message. A read error after the open ends the contents there. None of these raises anything.

namespace calcorix {

class ConfigFile {
 public:
  // No file: every key is absent.
  ConfigFile() = default;

  // Reads the file at `path` (nothing for an empty path), `blockSize` bytes at a time.
  explicit ConfigFile(const std::string& path, std::size_t blockSize = kDefaultBlockSize);

  // True when the file could be opened and was read.
  bool IsOpen() const { return open_; }

  // The path it was made from, read or not; empty for no file.
  const std::string& Path() const { return path_; }

  // Number of lines; 0 when the file could not be opened.
  std::size_t ConfigLineCount() const { return lineCount_; }

  // Number of the first key line with this letter; 0 when there is none.
  std::size_t FindConfigKey(char letter) const;

  bool ConfigKeyPresent(char letter) const { return FindConfigKey(letter) != 0; }

  // The value text as a signed 32-bit whole number (WholeNumberValue); 0 when the key is absent or
  // its value is no valid number. Quotes get no special treatment here.
  std::int32_t ConfigInteger(char letter) const;

  // The value text; empty when the key is absent. A value that opens a quote (' " [) continues over
  // the following lines, joined with single blanks, up to the line that ends with the closing
  // character; the last character is then dropped, also when the file ends first. At most 255
  // characters.
  std::string ConfigText(char letter) const;

 private:
  struct Key {
    std::size_t line;   // the number of the first key line with this letter
    std::string value;  // that line from its third character on
    QuotedValue text;   // the value text, joined over the lines that follow when quoted
  };

  const Key* KeyOf(char letter) const;

  std::string path_;
  bool open_ = false;
  std::size_t lineCount_ = 0;
  // Indexed by the upper-cased key letter; a letter's entry exists once a key line has it.
  std::array<std::unique_ptr<Key>, 256> keys_;
};

}  // namespace calcorix
