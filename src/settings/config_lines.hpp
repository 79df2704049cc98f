#pragma once

#include <cstddef>
#include <memory>
#include <string>

// Reads the lines of the configuration file from the start, one block at a time, so that memory
// stays bounded whatever the file holds (a gigabyte without a single line end included).
//
// What a line is: it ends at LF, CR or CR LF, and the line end is not part of it; a Ctrl+Z byte
// ends the contents wherever it stands; only the first 255 characters of a line are kept. The end
// test follows each read, so an empty file holds one empty line and a last line without a line
// end counts, while a line end just before the end of the file starts no further line.
//
// Only a regular file is read. A missing file, one without read access, a directory, and also a
// FIFO or a device (which could block the program or never end) all count as a file that cannot
// be opened. A read error after a successful open ends the contents there.

namespace calcorix {

class ConfigLineReader {
 public:
  explicit ConfigLineReader(const std::string& path);
  ~ConfigLineReader();
  ConfigLineReader(const ConfigLineReader&) = delete;
  ConfigLineReader& operator=(const ConfigLineReader&) = delete;

  bool IsOpen() const { return descriptor_ >= 0; }

  // True when no further line can be read. Always true for a file that cannot be opened.
  bool AtEnd();

  // The next line, at most 255 characters; the rest of a longer line is read and dropped.
  // At the end it gives an empty line.
  void ReadLine(std::string& line);

 private:
  bool Refill();

  int descriptor_ = -1;
  bool ended_ = true;
  std::unique_ptr<char[]> block_;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
};

}  // namespace calcorix
