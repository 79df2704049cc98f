#include "driver/history_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "base/text.hpp"
#include "platform/files.hpp"

namespace calcorix {
namespace {

// kHistoryLimit entries of kMaxTextLength bytes fit many times over; only the end of a larger file
// is read, so a damaged or foreign file cannot take much memory.
constexpr off_t kReadLimit = 1 << 20;

bool ReadTail(int fd, std::string& bytes) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  const bool cut = status.st_size > kReadLimit;
  if (cut && ::lseek(fd, status.st_size - kReadLimit, SEEK_SET) < 0) return false;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (bytes.size() > static_cast<std::size_t>(kReadLimit)) break;  // the file grew meanwhile
  }
  // Reading began inside a line: its beginning is missing, so it is no entry.
  if (cut) {
    const std::size_t lineEnd = bytes.find('\n');
    bytes.erase(0, lineEnd == std::string::npos ? bytes.size() : lineEnd + 1);
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Creates each missing folder of the path up to its last "/", private to the user.
bool CreateFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool SaveHistory(const std::string& path, const std::vector<std::string>& entries) {
  if (!CreateFolders(path)) return false;
  std::string bytes;
  for (const std::string& entry : entries) {
    bytes += entry;
    bytes += '\n';
  }
  std::string temporary = path + ".XXXXXX";
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));  // created with mode 0600
  if (file.Get() < 0) return false;
  const bool written = WriteAll(file.Get(), bytes) && file.Close();
  if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

std::string HistoryPath(const char* xdgStateHome, const char* home) {
  // Relative folders in these variables are invalid by the XDG rules and are ignored.
  if (xdgStateHome != nullptr && xdgStateHome[0] == '/') {
    return std::string(xdgStateHome) + "/calcorix/history";
  }
  if (home != nullptr && home[0] != '\0') {
    return std::string(home) + "/.local/state/calcorix/history";
  }
  return {};
}

bool AddHistoryEntry(std::vector<std::string>& entries, std::string_view line) {
  if (line.empty() || (!entries.empty() && entries.back() == line)) return false;
  entries.emplace_back(line);
  if (entries.size() > kHistoryLimit) {
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kHistoryLimit));
  }
  return true;
}

bool LoadHistory(const std::string& path, std::vector<std::string>& entries) {
  entries.clear();
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return errno == ENOENT;
  std::string bytes;
  if (!ReadTail(file.Get(), bytes)) return false;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = bytes.size();
    const std::string_view line(bytes.data() + begin, end - begin);
    AddHistoryEntry(entries, line.substr(0, kMaxTextLength));
    begin = end + 1;
  }
  return true;
}

bool AppendHistory(const std::string& path, std::string_view line) {
  std::vector<std::string> entries;
  if (!LoadHistory(path, entries)) return false;
  if (!AddHistoryEntry(entries, line)) return true;
  return SaveHistory(path, entries);
}

}  // namespace calcorix
