#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The history of typed lines kept between interactive sessions: one line per entry, oldest first,
// at most kHistoryLimit entries. The file is only ever replaced whole (a temporary file beside it,
// then a rename), so a session that ends at any moment leaves either the old or the new file; and
// it is replaced under a lock, so that sessions saving at the same time keep each other's lines.

namespace calcorix {

inline constexpr std::size_t kHistoryLimit = 1000;

// A line that ends standard-input mode: its first character is q or Q.
inline bool IsQuitLine(std::string_view line) {
  return !line.empty() && (line[0] == 'q' || line[0] == 'Q');
}

// $XDG_STATE_HOME/calcorix/history, or $HOME/.local/state/calcorix/history when XDG_STATE_HOME is
// unset, empty or relative. Empty when neither names a folder from the root: a relative folder
// would put the history wherever the program was started. Arguments are the variables' values
// (nullptr when unset).
std::string HistoryPath(const char* xdgStateHome, const char* home);

// Adds a typed line as the newest entry, unless it is empty, ends the session or asks for help
// (a quit line, "exit" or "quit": recalled, it would end the next session at once; "help", "?")
// or equals the newest entry; the oldest entries beyond kHistoryLimit drop out. True when the line
// was added.
bool AddHistoryEntry(std::vector<std::string>& entries, std::string_view line);

// The entries kept in the file, oldest first, each cut to kMaxTextLength. A missing file holds
// none. False when something else than a regular file is there, or it cannot be read. Nothing
// waits: a FIFO in its place is not opened.
bool LoadHistory(const std::string& path, std::vector<std::string>& entries);

// Adds the line to the file's entries and writes them back, holding the lock file beside it
// ("history.lock") meanwhile, so that lines saved by another session stay. Missing folders are
// created with mode 0700 and the file gets mode 0600, whatever the umask. False when the file
// cannot be read, locked or written.
bool AppendHistory(const std::string& path, std::string_view line);

// The history of one interactive session: the entries that the arrows and the search reach, and
// the file that keeps them. When the file cannot be used, one note says so on standard error
// and the lines are kept for the session only.
class SessionHistory {
 public:
  // Kept in memory only, beginning with `entries` (oldest first).
  explicit SessionHistory(std::vector<std::string> entries = {}) : entries_(std::move(entries)) {}
  // Loaded from the file at `path` and saved there; an empty path means that no folder is known.
  static SessionHistory FromFile(std::string path);

  const std::vector<std::string>& Entries() const { return entries_; }

  // Adds a typed line (see AddHistoryEntry) and saves it. True when it was added.
  bool Add(std::string_view line);

 private:
  void NoteUnavailable(std::string_view what);

  std::vector<std::string> entries_;
  std::string path_;  // empty when the history is not kept in a file
  bool noted_ = false;
};

}  // namespace calcorix
