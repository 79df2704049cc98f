#pragma once

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

// What a terminal of TERM=xterm shows after the bytes a program wrote to it: a grid of cells and a
// cursor, with the margins of xterm (a character written into the last column leaves the cursor
// there until the next one wraps), insert mode, and the cursor, erase, insert and delete sequences
// that the terminal database names for it. A resize keeps the rows as they are and cuts them, as
// xterm does. Anything else it is sent (colours, modes, titles) changes nothing here.
//
// One departure from xterm: a move to the column just past the right margin (libedit's place for
// "at the end of a full row", which it reaches with CSI G) puts the cursor there, as libedit
// counts, instead of on the last column. libedit then moves back from it; on an xterm what it
// draws next lands one column to the left. That is libedit's own flaw at the margin, which the
// program cannot mend, and the model leaves it out so as to judge what the program decides.

namespace calcorix::fuzz {

class TerminalScreen {
 public:
  TerminalScreen(int columns, int rows) : columns_(columns), rows_(rows) { Clear(); }

  int Columns() const { return columns_; }
  void Resize(int columns) {
    columns_ = columns;
    for (std::u32string& row : cells_)
      row.resize(static_cast<std::size_t>(columns_), U' ');
    column_ = std::min(column_, columns_ - 1);
    wrapPending_ = false;
  }

  void Feed(std::string_view bytes) {
    for (const char c : bytes)
      Take(static_cast<unsigned char>(c));
  }

  // Whether the screen shows `text` (ASCII) laid out from the start of a row, with blanks after it
  // on its last row, and the cursor on one of its rows. True without looking when the text has
  // more rows than the screen. The cursor's column is not compared: libedit moves its cursor
  // without drawing it when a key fails (Ctrl-T at the start of a line), and draws it at the next
  // key. `why` says what differs.
  bool Shows(std::string_view text, std::string& why) const {
    const auto width = static_cast<std::size_t>(columns_);
    const int rows = static_cast<int>(text.size() / width) + 1;
    if (rows > rows_) return true;
    // The rows the text must have on the screen: blanks at its end need none of their own (libedit
    // does not write them), and a text that fills its last row exactly needs the row below only
    // for a cursor at its end.
    const std::string_view drawnText = text.substr(0, text.find_last_not_of(' ') + 1);
    const int drawn = static_cast<int>((drawnText.size() + width - 1) / width);
    const int cursorRow = wrapPending_ || column_ >= columns_ ? row_ + 1 : row_;
    for (int first = std::max(cursorRow - rows + 1, 0); first <= cursorRow; ++first) {
      if (first + drawn <= rows_ && ShowsFrom(first, drawnText)) return true;
    }
    why = "no rows around the cursor show the line";
    return false;
  }

  // The rows as text (other than ASCII as "?"), without the blanks at their ends.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (const std::u32string& row : cells_) {
      std::string line;
      for (const char32_t c : row)
        line += c < 0x80 ? static_cast<char>(c) : '?';
      rows.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
    }
    return rows;
  }

  // The rows and the cursor, for a report.
  std::string Dump() const {
    std::string dump;
    for (const std::string& row : Rows())
      dump += row + "\n";
    return dump + "cursor " + std::to_string(row_) + "," + std::to_string(column_) +
           (wrapPending_ ? " (wrap pending)" : "");
  }

 private:
  enum class State { Ground, Escape, Csi, Osc };

  // From the end backwards: the blanks after the text tell the rows a line starts on apart at once,
  // even for a line of one repeated key, which every row would show up to its end.
  bool ShowsFrom(int first, std::string_view text) const {
    const auto width = static_cast<std::size_t>(columns_);
    const int last = first + static_cast<int>(text.size() / width);
    if (last < rows_) {  // else a full last row at the foot of the screen
      for (std::size_t c = text.size() % width; c < width; ++c) {
        if (Cell(last, static_cast<int>(c)) != U' ') return false;
      }
    }
    for (std::size_t i = text.size(); i-- > 0;) {
      const char32_t shown = Cell(first + static_cast<int>(i / width), static_cast<int>(i % width));
      if (shown != static_cast<unsigned char>(text[i])) return false;
    }
    return true;
  }

  char32_t Cell(int row, int column) const {
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  std::u32string& Row() { return cells_[static_cast<std::size_t>(row_)]; }

  void Clear() {
    cells_.assign(static_cast<std::size_t>(rows_),
                  std::u32string(static_cast<std::size_t>(columns_), U' '));
  }

  void LineFeed() {
    wrapPending_ = false;
    if (row_ + 1 < rows_) {
      ++row_;
      return;
    }
    cells_.erase(cells_.begin());
    cells_.emplace_back(static_cast<std::size_t>(columns_), U' ');
  }

  void Print(char32_t c) {
    const int width = ::wcwidth(static_cast<wchar_t>(c));
    if (width <= 0) return;
    if (wrapPending_ || column_ >= columns_) {
      column_ = 0;
      LineFeed();
    }
    std::u32string& row = Row();
    const auto at = static_cast<std::size_t>(column_);
    if (insert_) {
      row.insert(at, static_cast<std::size_t>(width), U' ');
      row.resize(static_cast<std::size_t>(columns_));
    }
    row[at] = c;
    if (width == 2 && at + 1 < row.size()) row[at + 1] = U' ';
    column_ += width;
    if (column_ >= columns_) {
      column_ = columns_ - 1;
      wrapPending_ = true;
    }
  }

  int Parameter(std::size_t index, int otherwise) const {
    if (index >= parameters_.size() || parameters_[index] == 0) return otherwise;
    return parameters_[index];
  }

  void Erase(int row, int from, int to) {
    for (int c = std::max(from, 0); c < std::min(to, columns_); ++c)
      cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] = U' ';
  }

  void Sequence(char final) {
    const int n = Parameter(0, 1);
    wrapPending_ = false;
    std::u32string& row = Row();
    const auto at = static_cast<std::size_t>(column_);
    switch (final) {
      case 'A':
        row_ = std::max(row_ - n, 0);
        break;
      case 'B':
        row_ = std::min(row_ + n, rows_ - 1);
        break;
      case 'C':
        column_ = std::min(column_ + n, std::max(column_, columns_ - 1));
        break;
      case 'D':
        column_ = std::max(column_ - n, 0);
        break;
      case 'G':
        column_ = std::clamp(n - 1, 0, columns_);
        break;
      case 'd':
        row_ = std::clamp(n - 1, 0, rows_ - 1);
        break;
      case 'H':
      case 'f':
        row_ = std::clamp(Parameter(0, 1) - 1, 0, rows_ - 1);
        column_ = std::clamp(Parameter(1, 1) - 1, 0, columns_ - 1);
        break;
      case 'K': {
        const int mode = Parameter(0, 0);
        Erase(row_, mode == 0 ? column_ : 0, mode == 1 ? column_ + 1 : columns_);
        break;
      }
      case 'J': {
        const int mode = Parameter(0, 0);
        if (mode == 0) {
          Erase(row_, column_, columns_);
          for (int r = row_ + 1; r < rows_; ++r)
            Erase(r, 0, columns_);
        } else if (mode == 2) {
          Clear();
        }
        break;
      }
      case 'P':
        if (at >= row.size()) break;
        row.erase(at, std::min(static_cast<std::size_t>(n), row.size() - at));
        row.resize(static_cast<std::size_t>(columns_), U' ');
        break;
      case '@':
        if (at >= row.size()) break;
        row.insert(at, static_cast<std::size_t>(n), U' ');
        row.resize(static_cast<std::size_t>(columns_));
        break;
      case 'X':
        Erase(row_, column_, column_ + n);
        break;
      case 'h':
      case 'l':
        if (!private_ && Parameter(0, 0) == 4) insert_ = final == 'h';
        break;
      default:
        break;
    }
  }

  void Take(unsigned char byte) {
    switch (state_) {
      case State::Escape:
        state_ = byte == '[' ? State::Csi : byte == ']' ? State::Osc : State::Ground;
        parameters_.assign(1, 0);
        private_ = false;
        return;
      case State::Csi:
        if (byte >= '0' && byte <= '9') {
          parameters_.back() = parameters_.back() * 10 + (byte - '0');
          if (parameters_.back() > 100000) parameters_.back() = 100000;
        } else if (byte == ';') {
          parameters_.push_back(0);
        } else if (byte == '?' || byte == '>' || byte == '=') {
          private_ = true;
        } else if (byte >= 0x40 && byte <= 0x7e) {
          state_ = State::Ground;
          Sequence(static_cast<char>(byte));
        }
        return;
      case State::Osc:
        if (byte == 7 || byte == 0x1b) state_ = byte == 7 ? State::Ground : State::Escape;
        return;
      case State::Ground:
        break;
    }
    if (utf8Left_ > 0 && (byte & 0xc0) == 0x80) {
      code_ = (code_ << 6) | (byte & 0x3f);
      if (--utf8Left_ == 0) Print(code_);
      return;
    }
    utf8Left_ = 0;
    if (byte >= 0xc0) {
      utf8Left_ = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : 1;
      code_ = byte & (0x3f >> utf8Left_);
    } else if (byte >= 0x20 && byte < 0x7f) {
      Print(byte);
    } else if (byte == 0x1b) {
      state_ = State::Escape;
    } else if (byte == '\r') {
      column_ = 0;
      wrapPending_ = false;
    } else if (byte == '\n') {
      LineFeed();
    } else if (byte == '\b') {
      wrapPending_ = false;
      column_ = std::max(column_ - 1, 0);
    } else if (byte == '\t') {
      column_ = std::min((column_ / 8 + 1) * 8, columns_ - 1);
    }
  }

  int columns_;
  int rows_;
  std::vector<std::u32string> cells_;
  int row_ = 0;
  int column_ = 0;
  bool wrapPending_ = false;
  bool insert_ = false;
  State state_ = State::Ground;
  std::vector<int> parameters_;
  bool private_ = false;
  int utf8Left_ = 0;
  char32_t code_ = 0;
};

}  // namespace calcorix::fuzz
