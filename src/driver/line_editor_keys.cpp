// What the editor reads and shows, without the editor: the keys typed at the terminal, with the
// signals of a program that waits for them; the lines that typed text makes; the characters of a
// text, and the rows that libedit draws them on.

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cwchar>
#include <cwctype>
#include <optional>

#include "base/text.hpp"
#include "driver/line_editor.hpp"
#include "platform/signals.hpp"

namespace calcorix {
namespace {

class TerminalKeys final : public KeySource {
 public:
  explicit TerminalKeys(int inputFd) : inputFd_(inputFd) {
    // Ctrl-C while a line is computed or saved does nothing; one noted before the editor began
    // (while the history loaded) has been answered by that.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    interruptSaved_ = sigaction(SIGINT, &ignore, &savedInterrupt_) == 0;
    answerInterrupt_ = !interruptSaved_ || savedInterrupt_.sa_handler != SIG_IGN;
    ForgetSignal(SIGINT);
  }
  ~TerminalKeys() override {
    if (interruptSaved_) sigaction(SIGINT, &savedInterrupt_, nullptr);
  }
  TerminalKeys(const TerminalKeys&) = delete;
  TerminalKeys& operator=(const TerminalKeys&) = delete;

  void Listen(bool listening) override {
    if (listening) {
      scope_.emplace(answerInterrupt_);
    } else {
      scope_.reset();
    }
  }

  EditorInput Next(const EditorView&) override {
    for (;;) {
      if (const std::optional<EditorInput> signal = NotedSignal()) return *signal;
      if (!scope_->WaitForInput(inputFd_)) {
        if (errno == EINTR) continue;
        return {EditorInput::Kind::Failed};
      }
      char byte = 0;
      const ssize_t n = ::read(inputFd_, &byte, 1);
      if (n == 1) return {EditorInput::Kind::Byte, byte, MoreWaiting()};
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      return {n == 0 ? EditorInput::Kind::End : EditorInput::Kind::Failed};
    }
  }

  void Suspend() override { scope_->Suspend(); }

 private:
  bool MoreWaiting() const {
    pollfd waiting{inputFd_, POLLIN, 0};
    return ::poll(&waiting, 1, 0) > 0 && (waiting.revents & POLLIN) != 0;
  }

  // The first signal noted, as an input; each is forgotten as it is answered, except one that
  // ends the program, which the caller ends by.
  static std::optional<EditorInput> NotedSignal() {
    using Kind = EditorInput::Kind;
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT}) {
      if (SignalNoted(signal)) return EditorInput{Kind::Ending};
    }
    const std::pair<int, Kind> answered[] = {{SIGINT, Kind::Interrupt},
                                             {SIGTSTP, Kind::Suspend},
                                             {SIGCONT, Kind::Continue},
                                             {SIGWINCH, Kind::Resize}};
    for (const auto& [signal, kind] : answered) {
      if (!SignalNoted(signal)) continue;
      ForgetSignal(signal);
      return EditorInput{kind};
    }
    return std::nullopt;
  }

  int inputFd_;
  std::optional<SignalScope> scope_;
  struct sigaction savedInterrupt_ {};
  bool interruptSaved_ = false;
  bool answerInterrupt_ = true;
};

}  // namespace

std::vector<TypedLine> TypedLines(std::string_view text) {
  std::vector<TypedLine> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    lines.push_back(
        {std::string(text.substr(0, std::min(end, kMaxTextLength))), end > kMaxTextLength});
    if (end == text.size()) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

// The text in the locale's characters, as libedit holds it; bytes that form none are dropped.
std::wstring Widen(std::string_view text) {
  std::wstring wide;
  std::mbstate_t state{};
  while (!text.empty()) {
    wchar_t character = 0;
    const std::size_t length = std::mbrtowc(&character, text.data(), text.size(), &state);
    if (length == 0 || length > text.size() || !IsUnicodeCharacter(character)) {
      state = {};
      text.remove_prefix(1);
      continue;
    }
    wide += character;
    text.remove_prefix(length);
  }
  return wide;
}

bool FormsOnlyCharacters(std::string_view text) {
  std::mbstate_t state{};
  while (!text.empty()) {
    wchar_t character = 0;
    const std::size_t length = std::mbrtowc(&character, text.data(), text.size(), &state);
    if (length == 0 || length > text.size() || !IsUnicodeCharacter(character)) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::size_t RowsAfterCursor(const EditorView& shown, std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  std::size_t row = 0, column = 0;
  const auto put = [&](std::size_t width) {
    if (column + width > columns) {
      ++row;
      column = 0;
    }
    column += width;
    if (column >= columns) {
      ++row;
      column = 0;
    }
  };
  const auto add = [&](wchar_t c) {
    if (c == L'\t') {
      do {
        put(1);
      } while (column % 8 != 0);
    } else if (c == L'\n') {
      ++row;
      column = 0;
    } else if (c < 0x20 || c == 0x7f) {
      put(2);
    } else if (std::iswprint(static_cast<wint_t>(c))) {
      put(static_cast<std::size_t>(std::max(::wcwidth(c), 0)));
    } else {
      put(c > 0xffff ? 8 : 7);
    }
  };
  for (const wchar_t c : Widen(shown.prompt))
    add(c);
  std::size_t cursorRow = row;
  for (std::size_t i = 0; i < shown.line.size(); ++i) {
    if (i == shown.cursor) cursorRow = row;
    add(shown.line[i]);
  }
  if (shown.cursor >= shown.line.size()) cursorRow = row;
  return row - cursorRow;
}

std::unique_ptr<KeySource> OpenTerminalKeys(int inputFd) {
  return std::make_unique<TerminalKeys>(inputFd);
}

}  // namespace calcorix
