#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

// A folder of a test's own under the temporary directory, removed with everything in it when the
// test is done.

namespace calcorix::test {

class TempFolder {
 public:
  TempFolder() {
#ifdef _WIN32
    // No mkdtemp: a random name, taken only when no folder of that name was there.
    std::random_device random;
    for (int attempt = 0; root_.empty(); ++attempt) {
      if (attempt == 100) throw std::runtime_error("no temporary folder");
      const auto name = "calcorix-" + std::to_string(random());
      const auto path = std::filesystem::temp_directory_path() / name;
      if (std::filesystem::create_directory(path)) root_ = path;
    }
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "calcorix-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    root_ = pattern;
#endif
  }
  ~TempFolder() {
    std::filesystem::remove_all(root_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Root() const {
    return root_;
  }
  std::string Path(const std::string& relative) const {
    return (root_ / relative).string();
  }

  // Writes the bytes exactly as given (no line-end translation), making the folders on the way,
  // and gives the file's path.
  std::string Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

 private:
  std::filesystem::path root_;
};

}  // namespace calcorix::test
