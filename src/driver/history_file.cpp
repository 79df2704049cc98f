#include "driver/history_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "base/text.hpp"
#include "driver/session_commands.hpp"
#include "platform/console.hpp"
#include "platform/files.hpp"

namespace calcorix {
namespace {

// kHistoryLimit entries of kMaxTextLength bytes fit many times over; only the end of a larger file
// is read, so a damaged or foreign file cannot take much memory.
constexpr off_t kReadLimit = 1 << 20;

// Another session holds the lock only while it rewrites the file: milliseconds. A lock held longer
// belongs to something stuck, and the line is then kept for this session only.
constexpr auto kLockPatience = std::chrono::seconds(2);

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

// Creates each missing folder of the path up to its last "/", private to the user. The umask
// would take bits from the mode that mkdir is given; a folder without the owner's write or search
// bit would make the history unusable (and leave ~/.local so), so the mode is set afterwards.
bool CreateFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) == 0) {
      if (::chmod(folder.c_str(), 0700) != 0) return false;
    } else if (errno != EEXIST) {
      return false;
    }
  }
  return true;
}

// The lock beside the history, held until the descriptor closes. The lock file is never replaced,
// unlike the history, so every session locks the same file.
FileDescriptor LockHistory(const std::string& path) {
  const std::string lockPath = path + ".lock";
  FileDescriptor lock(::open(
      lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0600));
  if (!lock.IsOpen()) return {};
  const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
  while (::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
      return {};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return lock;
}

bool SaveHistory(const std::string& path, const std::vector<std::string>& entries) {
  std::string bytes;
  for (const std::string& entry : entries) {
    bytes += entry;
    bytes += '\n';
  }
  std::string temporary = path + ".XXXXXX";
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) return false;
  const bool written = ::fchmod(file.Get(), 0600) == 0 &&
                       WriteAll(file.Get(), bytes) == WriteEnd::Written && file.Close();
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
  if (home != nullptr && home[0] == '/') {
    return std::string(home) + "/.local/state/calcorix/history";
  }
  return {};
}

bool AddHistoryEntry(std::vector<std::string>& entries, std::string_view line) {
  if (line.empty() || IsQuitLine(line) || SessionCommandOf(line) != SessionCommand::None ||
      (!entries.empty() && entries.back() == line)) {
    return false;
  }
  entries.emplace_back(line);
  if (entries.size() > kHistoryLimit) {
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kHistoryLimit));
  }
  return true;
}

bool LoadHistory(const std::string& path, std::vector<std::string>& entries) {
  entries.clear();
  FileDescriptor file = OpenRegularFile(path);
  if (!file.IsOpen()) return errno == ENOENT;
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
  if (!CreateFolders(path)) return false;
  const FileDescriptor lock = LockHistory(path);
  if (!lock.IsOpen()) return false;
  std::vector<std::string> entries;
  if (!LoadHistory(path, entries)) return false;
  if (!AddHistoryEntry(entries, line)) return true;
  return SaveHistory(path, entries);
}

SessionHistory SessionHistory::FromFile(std::string path) {
  SessionHistory history;
  history.path_ = std::move(path);
  if (history.path_.empty()) {
    history.NoteUnavailable("brak HOME");
  } else if (!LoadHistory(history.path_, history.entries_)) {
    // Not rewritten either: the unreadable file may still hold the user's lines.
    history.NoteUnavailable(history.path_);
  }
  return history;
}

bool SessionHistory::Add(std::string_view line) {
  if (!AddHistoryEntry(entries_, line)) return false;
  if (!path_.empty() && !AppendHistory(path_, line)) NoteUnavailable(path_);
  return true;
}

void SessionHistory::NoteUnavailable(std::string_view what) {
  // The note is made before the path goes, since `what` may be the path itself.
  if (!noted_) WriteDiagnostic("Historia niedostępna: " + std::string(what));
  noted_ = true;
  path_.clear();
}

}  // namespace calcorix
