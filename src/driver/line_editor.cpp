// The line editor on libedit. libedit's own signal handling (EL_SIGNAL) is left off: it does its
// work inside the handlers, forwards each signal to the whole process group, and re-arms itself
// only from its built-in read function. Here the handlers merely note a signal, the signals are
// blocked except while the read function waits for a key, and the read function answers them.

#include "driver/line_editor.hpp"

#include <histedit.h>
#include <poll.h>
#include <termcap.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "driver/history_file.hpp"
#include "driver/name_completion.hpp"
#include "platform/console.hpp"
#include "platform/signals.hpp"
#include "platform/system.hpp"

namespace calcorix {
namespace {

constexpr wchar_t kCtrlZ = kEndOfInput;
constexpr wchar_t kMoveToEnd = 5;  // Ctrl-E, bound to ed-move-to-end
constexpr wchar_t kRedraw = 0x1e;  // Ctrl-^, bound to a function that only redraws
constexpr char kPrompt[] = "> ";
// Characters a typed line may hold. Only kMaxTextLength count; the bound keeps memory and the
// cost of drawing small when a whole file is pasted by mistake. Keys beyond it are dropped.
constexpr std::ptrdiff_t kLongestTypedLine = 4096;

constexpr int kEditorSignals[] = {SIGINT, SIGWINCH, SIGTSTP, SIGCONT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGQUIT};

bool TerminalIsKnown() {
  const char* name = std::getenv("TERM");
  if (name == nullptr || name[0] == '\0' || std::strcmp(name, "dumb") == 0) return false;
  char entry[4096];  // ignored by the terminfo implementation, written by a real termcap one
  return tgetent(entry, name) == 1;
}

void WriteBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the terminal is gone; the next read ends the session
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The text in the locale's characters, as libedit holds it; bytes that form none are dropped.
std::wstring Widen(std::string_view text) {
  std::wstring wide;
  std::mbstate_t state{};
  while (!text.empty()) {
    wchar_t character = 0;
    const std::size_t length = std::mbrtowc(&character, text.data(), text.size(), &state);
    if (length == 0 || length > text.size()) {
      state = {};
      text.remove_prefix(1);
      continue;
    }
    wide += character;
    text.remove_prefix(length);
  }
  return wide;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where `pattern` first occurs in `text`, ignoring the case of ASCII letters as the expressions do.
std::size_t FindIgnoringCase(std::string_view text, std::string_view pattern) {
  const auto found = std::search(text.begin(), text.end(), pattern.begin(), pattern.end(),
                                 [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
  return found == text.end() && !pattern.empty() ? std::string_view::npos
                                                 : static_cast<std::size_t>(found - text.begin());
}

// The editor's signal handlers, in force while a line is read. Between the waits for a key the
// signals stay blocked, so no reaction can interrupt libedit and none slips in unseen just
// before a wait. A signal that was ignored when the scope opened stays ignored (SIGTSTP in a
// shell without job control), except SIGINT, which the editor always answers.
class SignalScope {
 public:
  explicit SignalScope(sigset_t& waitMask) : waitMask_(waitMask) {
    sigset_t editorSignals;
    sigemptyset(&editorSignals);
    for (int signal : kEditorSignals)
      sigaddset(&editorSignals, signal);
    sigprocmask(SIG_BLOCK, &editorSignals, &waitMask_);
    struct sigaction handler {};
    handler.sa_handler = NoteSignal;
    handler.sa_mask = editorSignals;  // no SA_RESTART: the wait returns at once
    for (std::size_t i = 0; i < std::size(kEditorSignals); ++i) {
      const int signal = kEditorSignals[i];
      ForgetSignal(signal);
      sigaction(signal, nullptr, &saved_[i]);
      if (saved_[i].sa_handler != SIG_IGN || signal == SIGINT) sigaction(signal, &handler, nullptr);
    }
  }
  ~SignalScope() {
    for (std::size_t i = 0; i < std::size(kEditorSignals); ++i)
      sigaction(kEditorSignals[i], &saved_[i], nullptr);
    sigprocmask(SIG_SETMASK, &waitMask_, nullptr);
  }
  SignalScope(const SignalScope&) = delete;
  SignalScope& operator=(const SignalScope&) = delete;

 private:
  sigset_t& waitMask_;
  struct sigaction saved_[std::size(kEditorSignals)];
};

class EditLineEditor final : public LineEditor {
 public:
  EditLineEditor(int inputFd, int outputFd) : inputFd_(inputFd), outputFd_(outputFd) {}
  ~EditLineEditor() override;
  EditLineEditor(const EditLineEditor&) = delete;
  EditLineEditor& operator=(const EditLineEditor&) = delete;

  // False when libedit cannot edit on this terminal.
  bool Open();
  bool ReadLine(std::string& line) override;

 private:
  // Why el_gets returned without a line, when it was not the end of the input.
  enum class Stop { None, Interrupt, CtrlZ, EndingSignal };

  // The incremental search of the history (Ctrl-R). libedit's own takes the typed text for a
  // regular expression, which fails on "*", "^" and "." in expressions; this one finds the text
  // as typed, ignoring case. While it runs, the read function hands the keys to it.
  struct Search {
    bool active = false;
    std::wstring original;  // the line before the search, and its cursor
    int originalCursor = 0;
    std::string pattern;
    std::size_t match = 0;  // the entry shown; entries_.size() while none is
    bool failing = false;
  };

  static char* Prompt(EditLine*);
  static int ReadCharacter(EditLine* el, wchar_t* character);
  static unsigned char Complete(EditLine* el, int key);
  static unsigned char StartSearch(EditLine* el, int key);
  static unsigned char Redraw(EditLine* el, int key);
  static EditLineEditor& Of(EditLine* el);

  int NextCharacter(wchar_t* character);
  // 1 with a character to hand to libedit, -1 to end el_gets, 0 to go on waiting.
  int AnswerSignals(wchar_t* character);
  void Suspend();
  // Takes a key typed during the search; returns the key libedit is to see instead.
  wchar_t SearchKey(wchar_t key);
  // Shows the newest entry from `newest` back that holds the pattern and is not `shown`.
  void SearchFrom(std::size_t newest, std::string_view shown = {});
  void ShowLine(const std::wstring& text, std::size_t cursor);
  void EndSearch();
  unsigned char CompleteName();
  void ListCandidates(const std::vector<std::string_view>& candidates);
  void Bind();
  void LoadHistoryFile();
  // Splits typed text at its line ends as a pipe would, into pending_ and the history.
  void TakeTypedText(std::string_view text);
  void Remember(const std::string& line);
  void NoteHistoryUnavailable(std::string_view what);

  int inputFd_;
  int outputFd_;
  FILE* input_ = nullptr;
  FILE* output_ = nullptr;
  EditLine* el_ = nullptr;
  History* history_ = nullptr;
  std::string historyPath_;  // empty when the history is not kept in a file
  bool historyNoted_ = false;
  struct sigaction savedInterrupt_ {};
  bool interruptSaved_ = false;
  sigset_t waitMask_{};
  Stop stop_ = Stop::None;
  int endingSignal_ = 0;
  std::deque<std::string> pending_;
  bool ended_ = false;
  std::vector<std::string> entries_;  // the history as libedit holds it, for the search
  Search search_;
  std::string prompt_ = kPrompt;
};

EditLineEditor& EditLineEditor::Of(EditLine* el) {
  void* editor = nullptr;
  el_get(el, EL_CLIENTDATA, &editor);
  return *static_cast<EditLineEditor*>(editor);
}

char* EditLineEditor::Prompt(EditLine* el) {
  return Of(el).prompt_.data();
}

int EditLineEditor::ReadCharacter(EditLine* el, wchar_t* character) {
  return Of(el).NextCharacter(character);
}

unsigned char EditLineEditor::Complete(EditLine* el, int) {
  // No exception may cross libedit's C frames.
  try {
    return Of(el).CompleteName();
  } catch (...) {
    return CC_ERROR;
  }
}

unsigned char EditLineEditor::StartSearch(EditLine* el, int) {
  EditLineEditor& editor = Of(el);
  try {
    const LineInfoW* typed = el_wline(el);
    editor.search_ = {};
    editor.search_.active = true;
    editor.search_.original.assign(typed->buffer, typed->lastchar);
    editor.search_.originalCursor = static_cast<int>(typed->cursor - typed->buffer);
    editor.search_.match = editor.entries_.size();
    editor.prompt_ = "szukaj \"\": ";
    return CC_REFRESH;
  } catch (...) {
    editor.search_ = {};
    return CC_ERROR;
  }
}

unsigned char EditLineEditor::Redraw(EditLine*, int) {
  return CC_REFRESH;
}

bool EditLineEditor::Open() {
  const int inputCopy = ::dup(inputFd_);
  const int outputCopy = ::dup(outputFd_);
  input_ = inputCopy >= 0 ? ::fdopen(inputCopy, "r") : nullptr;
  output_ = outputCopy >= 0 ? ::fdopen(outputCopy, "w") : nullptr;
  if (input_ == nullptr && inputCopy >= 0) ::close(inputCopy);
  if (output_ == nullptr && outputCopy >= 0) ::close(outputCopy);
  if (input_ == nullptr || output_ == nullptr) return false;

  el_ = el_init_fd("calcorix", input_, output_, stderr, inputFd_, outputFd_, STDERR_FILENO);
  if (el_ == nullptr) return false;
  int editing = 0;
  if (el_get(el_, EL_EDITMODE, &editing) != 0 || editing == 0) return false;
  history_ = history_init();
  if (history_ == nullptr) return false;
  HistEvent event;
  history(history_, &event, H_SETSIZE, static_cast<int>(kHistoryLimit));
  history(history_, &event, H_SETUNIQUE, 1);

  el_set(el_, EL_CLIENTDATA, this);
  el_set(el_, EL_EDITOR, "emacs");
  el_set(el_, EL_SIGNAL, 0);
  el_set(el_, EL_PROMPT, &Prompt);
  el_set(el_, EL_GETCFN, &ReadCharacter);
  el_set(el_, EL_HIST, history, history_);
  Bind();
  LoadHistoryFile();

  // Ctrl-C while a line is computed or saved does nothing; while one is typed, see SignalScope.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  interruptSaved_ = sigaction(SIGINT, &ignore, &savedInterrupt_) == 0;
  return true;
}

void EditLineEditor::Bind() {
  // Named in wide characters: libedit keeps these pointers, and copies narrow names never freed.
  el_wset(el_, EL_ADDFN, L"calcorix-complete", L"Complete a function or constant name", &Complete);
  el_wset(el_, EL_ADDFN, L"calcorix-search", L"Search the history for typed text", &StartSearch);
  el_wset(el_, EL_ADDFN, L"calcorix-redraw", L"Draw the line anew", &Redraw);
  const char* const bindings[][2] = {
      {"^I", "calcorix-complete"},
      {"^R", "calcorix-search"},
      {"^^", "calcorix-redraw"},
      {"^W", "ed-delete-prev-word"},
      {"^U", "vi-kill-line-prev"},  // as in most shells: from the start of the line to the cursor
      {"^E", "ed-move-to-end"},
      // Home, End and Delete as various terminals send them, beside what TERM's entry names.
      {"\\e[1~", "ed-move-to-beg"},
      {"\\e[7~", "ed-move-to-beg"},
      {"\\e[4~", "ed-move-to-end"},
      {"\\e[8~", "ed-move-to-end"},
      {"\\e[3~", "ed-delete-next-char"},
      {"\\e[1;5D", "ed-prev-word"},
      {"\\e[1;5C", "em-next-word"},
  };
  for (const auto& binding : bindings) {
    el_set(el_, EL_BIND, binding[0], binding[1], static_cast<const char*>(nullptr));
  }
}

void EditLineEditor::LoadHistoryFile() {
  historyPath_ = HistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
  if (historyPath_.empty()) {
    NoteHistoryUnavailable("brak HOME");
    return;
  }
  std::vector<std::string> entries;
  if (!LoadHistory(historyPath_, entries)) {
    // Not rewritten either: the unreadable file may still hold the user's lines.
    NoteHistoryUnavailable(historyPath_);
    return;
  }
  HistEvent event;
  for (const std::string& entry : entries)
    history(history_, &event, H_ENTER, entry.c_str());
  entries_ = std::move(entries);
}

EditLineEditor::~EditLineEditor() {
  if (el_ != nullptr) el_end(el_);  // gives the terminal back its settings
  if (history_ != nullptr) history_end(history_);
  if (input_ != nullptr) std::fclose(input_);
  if (output_ != nullptr) std::fclose(output_);
  if (interruptSaved_) sigaction(SIGINT, &savedInterrupt_, nullptr);
}

bool EditLineEditor::ReadLine(std::string& line) {
  while (pending_.empty()) {
    if (ended_) return false;
    FlushConsole();
    stop_ = Stop::None;
    search_ = {};
    prompt_ = kPrompt;
    int count = 0;
    const char* text = nullptr;
    {
      SignalScope signals(waitMask_);
      // Keys typed once the prompt shows must reach the editor: left to el_gets, the terminal
      // would still echo them and take Ctrl-D as its own end of file until the first key is read.
      el_set(el_, EL_PREP_TERM, 1);
      text = el_gets(el_, &count);
    }
    switch (stop_) {
      case Stop::Interrupt:
        WriteBytes(outputFd_, "^C\r\n");
        continue;
      case Stop::CtrlZ: {
        // After Ctrl-V the editor has already gone to a new line; a bare Ctrl+Z byte has not.
        if (count != 0) WriteBytes(outputFd_, "\r\n");
        const LineInfo* typed = el_line(el_);
        TakeTypedText({typed->buffer, static_cast<std::size_t>(typed->cursor - typed->buffer)});
        ended_ = true;
        continue;
      }
      case Stop::EndingSignal:
        // The terminal has its settings back (el_gets restored them); end as the signal would.
        WriteBytes(outputFd_, "\r\n");
        std::raise(endingSignal_);
        ended_ = true;
        continue;
      case Stop::None:
        break;
    }
    if (text == nullptr) {
      // Ctrl-D on an empty line (shown as "^D") or the end of the input.
      WriteBytes(outputFd_, "\r\n");
      ended_ = true;
      continue;
    }
    TakeTypedText(text);
  }
  line = std::move(pending_.front());
  pending_.pop_front();
  return true;
}

void EditLineEditor::TakeTypedText(std::string_view text) {
  // el_gets ends the text with "\n"; a CR or LF typed literally (after Ctrl-V) ends a line too.
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    std::string line(text.substr(0, std::min(end, kMaxTextLength)));
    Remember(line);
    pending_.push_back(std::move(line));
    if (end == text.size()) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
}

void EditLineEditor::Remember(const std::string& line) {
  if (!AddHistoryEntry(entries_, line)) return;
  HistEvent event;
  history(history_, &event, H_ENTER, line.c_str());
  if (!historyPath_.empty() && !AppendHistory(historyPath_, line)) {
    NoteHistoryUnavailable(historyPath_);
  }
}

void EditLineEditor::NoteHistoryUnavailable(std::string_view what) {
  historyPath_.clear();
  if (historyNoted_) return;
  historyNoted_ = true;
  WriteDiagnostic("Historia niedostępna: " + std::string(what));
}

int EditLineEditor::NextCharacter(wchar_t* character) {
  char bytes[MB_LEN_MAX];
  std::size_t count = 0;
  for (;;) {
    if (const int answer = AnswerSignals(character); answer != 0) return answer;
    pollfd ready{inputFd_, POLLIN, 0};
    if (::ppoll(&ready, 1, nullptr, &waitMask_) < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    char byte = 0;
    const ssize_t n = ::read(inputFd_, &byte, 1);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return n == 0 ? 0 : -1;
    bytes[count++] = byte;
    std::mbstate_t state{};
    const std::size_t length = std::mbrtowc(character, bytes, count, &state);
    if (length == static_cast<std::size_t>(-2) && count < sizeof bytes) continue;
    if (length > count) {
      count = 0;  // not a character of the locale: dropped, as libedit's own reader does
      continue;
    }
    if (*character == kCtrlZ) {
      stop_ = Stop::CtrlZ;
      return -1;
    }
    if (search_.active) {
      *character = SearchKey(*character);
    } else if (*character >= 0x20 && *character != 0x7f) {
      const LineInfoW* typed = el_wline(el_);
      if (typed->lastchar - typed->buffer >= kLongestTypedLine) {
        count = 0;
        continue;
      }
    }
    return 1;
  }
}

int EditLineEditor::AnswerSignals(wchar_t* character) {
  for (int signal : kEndingSignals) {
    if (SignalNoted(signal)) {
      endingSignal_ = signal;
      stop_ = Stop::EndingSignal;
      return -1;
    }
  }
  if (SignalNoted(SIGINT)) {
    // First the cursor goes to the end of the line, so that "^C" follows all of it.
    if (stop_ != Stop::Interrupt) {
      stop_ = Stop::Interrupt;
      *character = kMoveToEnd;
      return 1;
    }
    return -1;
  }
  if (SignalNoted(SIGTSTP)) {
    ForgetSignal(SIGTSTP);
    Suspend();
  }
  if (SignalNoted(SIGCONT)) {
    // Continued after a stop by someone else: the shell may have changed the terminal's settings.
    ForgetSignal(SIGCONT);
    el_set(el_, EL_PREP_TERM, 0);
    el_set(el_, EL_PREP_TERM, 1);
  }
  if (SignalNoted(SIGWINCH)) {
    ForgetSignal(SIGWINCH);
    el_resize(el_);  // the line is drawn for the new width from the next key on
  }
  return 0;
}

void EditLineEditor::Suspend() {
  el_set(el_, EL_PREP_TERM, 0);
  WriteBytes(outputFd_, "^Z");  // what the terminal itself echoes; the shell goes on below it
  struct sigaction stop {};
  stop.sa_handler = SIG_DFL;
  struct sigaction ours {};
  sigaction(SIGTSTP, &stop, &ours);
  sigset_t suspend;
  sigemptyset(&suspend);
  sigaddset(&suspend, SIGTSTP);
  std::raise(SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &suspend, nullptr);  // the process stops here until it is continued
  sigprocmask(SIG_BLOCK, &suspend, nullptr);
  sigaction(SIGTSTP, &ours, nullptr);
  el_set(el_, EL_PREP_TERM, 1);
  el_resize(el_);
  // The shell has left the cursor at the start of a line: the prompt and the line are drawn anew.
  el_set(el_, EL_REFRESH);
}

wchar_t EditLineEditor::SearchKey(wchar_t key) {
  constexpr wchar_t kBackspace = 8, kDelete = 127, kCtrlG = 7, kCtrlR = 18;
  if (key == kCtrlR) {
    if (search_.match < entries_.size()) SearchFrom(search_.match, entries_[search_.match]);
  } else if (key == kBackspace || key == kDelete) {
    // Back to the newest entry with what is left of the text.
    while (!search_.pattern.empty() && (search_.pattern.back() & 0xc0) == 0x80)
      search_.pattern.pop_back();
    if (!search_.pattern.empty()) search_.pattern.pop_back();
    SearchFrom(entries_.size() - 1);
  } else if (key == kCtrlG) {
    ShowLine(search_.original, static_cast<std::size_t>(search_.originalCursor));
    EndSearch();
  } else if (key >= 0x20 && key != kDelete) {
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    const std::size_t length = std::wcrtomb(bytes, key, &state);
    if (length <= sizeof bytes) search_.pattern.append(bytes, length);
    SearchFrom(std::min(search_.match, entries_.size() - 1));
  } else {
    // Any other key ends the search on the line found and then does its usual work.
    const wchar_t again[] = {key, 0};
    EndSearch();
    el_wpush(el_, again);
  }
  return kRedraw;
}

void EditLineEditor::SearchFrom(std::size_t newest, std::string_view shown) {
  search_.failing = false;
  if (search_.pattern.empty()) {
    search_.match = entries_.size();
    ShowLine(search_.original, static_cast<std::size_t>(search_.originalCursor));
  } else {
    search_.failing = true;
    for (std::size_t i = std::min(newest, entries_.size() - 1) + 1; i-- > 0;) {
      const std::size_t at = FindIgnoringCase(entries_[i], search_.pattern);
      if (at == std::string::npos || entries_[i] == shown) continue;
      search_.match = i;
      search_.failing = false;
      ShowLine(Widen(entries_[i]), Widen(std::string_view(entries_[i]).substr(0, at)).size());
      break;
    }
  }
  prompt_ = "szukaj \"" + search_.pattern + (search_.failing ? "\" (brak): " : "\": ");
}

void EditLineEditor::ShowLine(const std::wstring& text, std::size_t cursor) {
  const LineInfoW* typed = el_wline(el_);
  el_cursor(el_, static_cast<int>(typed->lastchar - typed->cursor));
  el_deletestr(el_, static_cast<int>(typed->lastchar - typed->buffer));
  if (el_winsertstr(el_, text.c_str()) != 0) return;
  el_cursor(el_, static_cast<int>(cursor) - static_cast<int>(text.size()));
}

void EditLineEditor::EndSearch() {
  search_.active = false;
  prompt_ = kPrompt;
}

unsigned char EditLineEditor::CompleteName() {
  const LineInfo* typed = el_line(el_);
  const std::string_view before(typed->buffer,
                                static_cast<std::size_t>(typed->cursor - typed->buffer));
  const std::string_view after(typed->cursor,
                               static_cast<std::size_t>(typed->lastchar - typed->cursor));
  const NameCompletion completion = calcorix::CompleteName(before, after);
  if (completion.candidates.empty()) return CC_ERROR;
  if (completion.replacement != before.substr(before.size() - completion.wordLength)) {
    el_deletestr(el_, static_cast<int>(completion.wordLength));
    if (el_insertstr(el_, completion.replacement.c_str()) != 0) return CC_ERROR;
    return CC_REFRESH;
  }
  // Nothing more to add: a second Tab shows what fits.
  if (completion.candidates.size() > 1) ListCandidates(completion.candidates);
  return CC_NORM;
}

void EditLineEditor::ListCandidates(const std::vector<std::string_view>& candidates) {
  int columns = 80;
  el_get(el_, EL_GETTC, "co", &columns);
  std::size_t width = 0;
  for (std::string_view name : candidates)
    width = std::max(width, name.size() + 2);
  const std::size_t perRow = std::max<std::size_t>(1, static_cast<std::size_t>(columns) / width);
  std::string list = "\r\n";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    list += candidates[i];
    const bool rowEnds = (i + 1) % perRow == 0 || i + 1 == candidates.size();
    if (rowEnds) {
      list += "\r\n";
    } else {
      list.append(width - candidates[i].size(), ' ');
    }
  }
  std::fputs(list.c_str(), output_);
  std::fflush(output_);
  // The list has moved the cursor below the line: draw the prompt and the line anew there.
  el_set(el_, EL_REFRESH);
}

}  // namespace

std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd) {
  if (!IsTerminal(inputFd) || !IsTerminal(outputFd) || !TerminalIsKnown()) return nullptr;
  auto editor = std::make_unique<EditLineEditor>(inputFd, outputFd);
  if (!editor->Open()) return nullptr;
  return editor;
}

}  // namespace calcorix
