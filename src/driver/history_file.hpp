#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The history of typed lines kept between interactive sessions: one line per entry, oldest first,
// at most kHistoryLimit entries. The file is only ever replaced whole (a temporary file beside it,
// then a rename), so a session that ends at any moment leaves either the old or the new file.

namespace calcorix {

inline constexpr std::size_t kHistoryLimit = 1000;

// $XDG_STATE_HOME/calcorix/history, or $HOME/.local/state/calcorix/history when XDG_STATE_HOME is
// unset, empty or relative. Empty when neither names a folder. Arguments are the variables' values
// (nullptr when unset).
std::string HistoryPath(const char* xdgStateHome, const char* home);

// Adds a typed line as the newest entry, unless it is empty or equal to the newest entry; the
// oldest entries beyond kHistoryLimit drop out. True when the line was added.
bool AddHistoryEntry(std::vector<std::string>& entries, std::string_view line);

// The entries kept in the file, oldest first, each cut to kMaxTextLength. A missing file holds
// none. False when the file exists but cannot be read.
bool LoadHistory(const std::string& path, std::vector<std::string>& entries);

// Adds the line to the file's entries (re-read first, so lines saved by another session in the
// meantime stay) and writes them back. Missing folders are created with mode 0700, the file gets
// mode 0600. False when the file cannot be read or written.
bool AppendHistory(const std::string& path, std::string_view line);

}  // namespace calcorix
