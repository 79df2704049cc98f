// The interactive line editor, the real one on libedit, on a pseudo-terminal inside the process:
// the keys come from the input through a key source of our own, and what the editor writes to the
// terminal is read back into a model of an xterm screen.
//
// Byte 0: bit 0 gives a full history (1000 lines) instead of an empty one, the rest the terminal's
// width (8 to 134 columns). Then the keys, byte by byte; 0xFF followed by one more byte is not a
// key but what the process is told: 1 Ctrl-C, 2 Ctrl-Z (stop and continue), 3 a continue from
// outside, 4 a signal that ends the program, 5 and a byte: a resize to 8 to 134 columns, 6 the end
// of the input, 7 a failed read, 8 and a byte: that key with more keys behind it (pasted text);
// other bytes type 0xFF itself.
//
// Properties: no crash and no hang; each line handed over is at most 255 characters and holds no
// line end; whenever the editor waits for a key, the screen shows the prompt and the line, with the
// cursor on their rows (checked while both are printable ASCII and fit on a screen of at least 20
// columns that the prompt does not fill).

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/history_file.hpp"
#include "driver/line_editor.hpp"
#include "fuzz_support.hpp"
#include "platform/files.hpp"
#include "terminal_screen.hpp"

namespace calcorix::fuzz {
namespace {

constexpr int kRows = 48;
int master = -1;
int slave = -1;
termios pristine{};  // the terminal's settings before any input, given back before each
std::vector<std::string> fullHistory;

int Columns(std::uint8_t byte) {
  return 8 + byte % 127;
}

void SetColumns(int columns) {
  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns);
  size.ws_row = kRows;
  ::ioctl(master, TIOCSWINSZ, &size);
}

std::string Describe(std::string_view keys) {
  std::string text;
  for (const char c : keys) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) {
      text += c;
    } else {
      text += {'\\', 'x', "0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    }
  }
  return text;
}

// Reads what the editor has written so far onto the screen. The terminal passes output on to its
// other side a moment later, not at once, so a mark is written after it, and reading goes on until
// the mark has come. CALCORIX_FUZZ_TRACE=1 shows the bytes on standard error.
void Drain(TerminalScreen& screen) {
  static const bool trace = std::getenv("CALCORIX_FUZZ_TRACE") != nullptr;
  constexpr std::string_view kMark = "\x1b]0;calcorix\a";  // a title: the screen ignores it
  if (WriteAll(slave, kMark) != WriteEnd::Written) Fail("writing to the terminal", "");
  std::string bytes;
  while (!std::string_view(bytes).ends_with(kMark)) {
    pollfd ready{master, POLLIN, 0};
    const int polled = ::poll(&ready, 1, 5000);
    if (polled < 0 && errno == EINTR) continue;  // libFuzzer's timer
    if (polled <= 0) Fail("the terminal's output did not arrive", bytes);
    char block[1 << 16];
    const ssize_t n = ::read(master, block, sizeof block);
    if (n > 0) bytes.append(block, static_cast<std::size_t>(n));
  }
  bytes.resize(bytes.size() - kMark.size());
  screen.Feed(bytes);
  if (trace && !bytes.empty()) std::fprintf(stderr, "[%s]\n", Describe(bytes).c_str());
}

bool PrintableAscii(std::string_view prompt, std::wstring_view line) {
  const auto printable = [](auto c) { return c >= 0x20 && c < 0x7f; };
  return std::all_of(prompt.begin(), prompt.end(), printable) &&
         std::all_of(line.begin(), line.end(), printable);
}

class ScriptedKeys final : public KeySource {
 public:
  ScriptedKeys(std::string_view keys, TerminalScreen& screen) : keys_(keys), screen_(screen) {}

  void Listen(bool) override {}

  EditorInput Next(const EditorView& shown) override {
    using Kind = EditorInput::Kind;
    Look(shown);
    if (keys_.empty()) return {Kind::End};
    const char byte = keys_[0];
    keys_.remove_prefix(1);
    if (static_cast<unsigned char>(byte) != 0xff || keys_.empty()) return {Kind::Byte, byte};
    const auto event = static_cast<std::uint8_t>(keys_[0]);
    keys_.remove_prefix(1);
    switch (event) {
      case 1:
        return {Kind::Interrupt};
      case 2:
        return {Kind::Suspend};
      case 3:
        return {Kind::Continue};
      case 4:
        return {Kind::Ending};
      case 5: {
        const int columns = Columns(keys_.empty() ? 0 : static_cast<std::uint8_t>(keys_[0]));
        if (!keys_.empty()) keys_.remove_prefix(1);
        SetColumns(columns);
        screen_.Resize(columns);
        return {Kind::Resize};
      }
      case 6:
        return {Kind::End};
      case 7:
        return {Kind::Failed};
      case 8: {
        if (keys_.empty()) return {Kind::End};
        const char pasted = keys_[0];
        keys_.remove_prefix(1);
        return {Kind::Byte, pasted, true};
      }
      default:
        return {Kind::Byte, byte};
    }
  }

  // The shell, once the program is continued, has left the cursor at the start of a line.
  void Suspend() override { WriteAll(slave, "\r\n"); }

 private:
  void Look(const EditorView& shown) {
    Drain(screen_);
    // Below 20 columns, and with a prompt as wide as the terminal (a long search), libedit's own
    // drawing goes wrong in ways the program cannot mend; only crashes and hangs count there.
    const auto columns = static_cast<std::size_t>(screen_.Columns());
    if (columns < 20 || shown.prompt.size() >= columns) return;
    // A line end typed literally (Ctrl-V) is drawn by libedit as the start of a new row, and it
    // loses count of its rows: from then on the screen is not compared.
    lineEndShown_ = lineEndShown_ || shown.line.find_first_of(L"\r\n") != std::wstring_view::npos;
    // When the search's prompt and line take more than a row, and the search ends with a shorter
    // prompt, libedit leaves the end of the old last row on the screen, below the line.
    searchWrapped_ = searchWrapped_ ||
                     (shown.prompt != "> " && shown.prompt.size() + shown.line.size() >= columns);
    if (lineEndShown_ || searchWrapped_ || !PrintableAscii(shown.prompt, shown.line)) return;
    const std::string text =
        std::string(shown.prompt) + std::string(shown.line.begin(), shown.line.end());
    std::string why;
    if (!screen_.Shows(text, why)) {
      Fail("the screen does not show the line", why + "\nline: " + text +
                                                    "\ncursor: " + std::to_string(shown.cursor) +
                                                    "\n" + screen_.Dump());
    }
  }

  std::string_view keys_;
  TerminalScreen& screen_;
  bool lineEndShown_ = false;
  bool searchWrapped_ = false;
};

}  // namespace
}  // namespace calcorix::fuzz

// The terminal database library keeps a few bytes of each entry it reads, for good: not ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libtinfo.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace calcorix::fuzz;
  std::setlocale(LC_ALL, "C.UTF-8");
  ::setenv("TERM", "xterm", 1);
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) Fail("openpty", "");
  ::fcntl(master, F_SETFL, O_NONBLOCK);
  ::tcgetattr(slave, &pristine);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  // Lines as a user's history holds them: expressions, comments, repeats in other case.
  const char* const shapes[] = {"1+%d", "sqrt(%d)*2", "PI*%d", "# note %d", "SIN(%d)", "sin(%d)"};
  for (int i = 0; i < static_cast<int>(calcorix::kHistoryLimit); ++i) {
    char line[64];
    std::snprintf(line, sizeof line, shapes[i % std::size(shapes)], i);
    fullHistory.emplace_back(line);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace calcorix;
  using namespace calcorix::fuzz;
  if (size < 1) return -1;
  // libFuzzer's timer (SIGALRM) interrupts writes; libedit's buffered output to the terminal would
  // then come late, after the mark. Its handler is in place by the first input.
  static const bool restarting = [] {
    struct sigaction timer {};
    sigaction(SIGALRM, nullptr, &timer);
    timer.sa_flags |= SA_RESTART;
    return sigaction(SIGALRM, &timer, nullptr) == 0;
  }();
  (void)restarting;
  const int columns = Columns(data[0] >> 1);
  const std::string_view keys(reinterpret_cast<const char*>(data + 1), size - 1);
  ::tcsetattr(slave, TCSANOW, &pristine);
  SetColumns(columns);
  TerminalScreen screen(columns, kRows);
  Drain(screen);  // what the previous input left
  screen = TerminalScreen(columns, kRows);
  SessionHistory history((data[0] & 1) != 0 ? fullHistory : std::vector<std::string>{});
  std::unique_ptr<LineEditor> editor = OpenLineEditor(
      slave, slave, std::make_unique<ScriptedKeys>(keys, screen), std::move(history));
  if (editor == nullptr) Fail("no editor on the pseudo-terminal", "");
  std::string line;
  while (editor->ReadLine(line)) {
    if (line.size() > 255) Fail("a line over 255 characters", Describe(keys));
    if (line.find_first_of("\r\n") != std::string::npos)
      Fail("a line end in a line", Describe(keys));
  }
  editor.reset();
  Drain(screen);
  return 0;
}
