// The line editor on libedit: every libedit call of the program is in this file, through the table
// of edit_library.hpp. libedit's own signal handling (EL_SIGNAL) is left off: it does its work
// inside the handlers, forwards each signal to the whole process group, and re-arms itself only
// from its built-in read function. Here the key source answers the signals between two keys, and
// hands them over as inputs.

#include "driver/line_editor.hpp"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "base/text.hpp"
#include "driver/edit_library.hpp"
#include "driver/history_search.hpp"
#include "driver/name_completion.hpp"
#include "platform/console.hpp"
#include "platform/files.hpp"
#include "platform/signals.hpp"
#include "platform/system.hpp"

namespace calcorix {
namespace {

constexpr wchar_t kCtrlZ = kEndOfInput;
constexpr wchar_t kMoveToEnd = 5;  // Ctrl-E, bound to ed-move-to-end
constexpr wchar_t kRedraw = 0x1e;  // Ctrl-^, bound to a function that only redraws
constexpr char kPrompt[] = "> ";
// Characters a typed line may hold, and no more than the screen shows. Only kMaxTextLength count;
// the bound keeps memory and the cost of drawing small when a whole file is pasted by mistake.
// Keys beyond it are dropped.
constexpr std::ptrdiff_t kLongestTypedLine = 4096;

// TERM names a terminal that can edit; asked before libedit is loaded.
bool TerminalIsNamed() {
  const char* name = std::getenv("TERM");
  return name != nullptr && name[0] != '\0' && std::strcmp(name, "dumb") != 0;
}

bool TerminalIsKnown(const EditLibrary& libedit) {
  char entry[4096];  // ignored by the terminfo implementation, written by a real termcap one
  return libedit.tgetent(entry, std::getenv("TERM")) == 1;
}

bool EndingSignalNoted() {
  return PendingTerminationSignal() != 0;
}

class EditLineEditor final : public LineEditor {
 public:
  EditLineEditor(const EditLibrary& libedit, int inputFd, int outputFd)
      : libedit_(libedit), inputFd_(inputFd), outputFd_(outputFd) {}
  ~EditLineEditor() override;
  EditLineEditor(const EditLineEditor&) = delete;
  EditLineEditor& operator=(const EditLineEditor&) = delete;

  // False when libedit cannot edit on this terminal.
  bool Open();
  // Takes the history and the keys; before this no line is read.
  void Start(SessionHistory history, std::unique_ptr<KeySource> keys);
  bool ReadLine(std::string& line) override;
  bool LastLineCut() const override { return lastCut_; }

 private:
  // Why el_gets returned without a line, when it was not the end of the input.
  enum class Stop { None, Interrupt, CtrlZ, EndingSignal };

  static char* Prompt(EditLine*);
  static int ReadCharacter(EditLine* el, wchar_t* character);
  static unsigned char Complete(EditLine* el, int key);
  static unsigned char StartSearch(EditLine* el, int key);
  static unsigned char Redraw(EditLine* el, int key);
  static EditLineEditor& Of(EditLine* el);

  // 1 with a character for libedit, 0 at the end of the input, -1 to end el_gets otherwise.
  int NextCharacter(wchar_t* character);
  int Deliver(wchar_t* character, wchar_t key);
  EditorView View() const;
  void Write(std::string_view bytes) const { WriteAll(outputFd_, bytes, {EndingSignalNoted}); }
  std::size_t RowsBelow() const;
  std::size_t RowsFree() const;
  // True when a key that lengthens the line is to be dropped.
  bool LineIsFull() const;
  // Cuts the end of a line that has grown taller than the screen; true when it did.
  bool FitLineToScreen();
  void Suspend();
  void Resize();
  // Takes a key typed during the search; returns the key libedit is to see instead.
  wchar_t SearchKey(wchar_t key);
  void ShowLine(const std::wstring& text, std::size_t cursor);
  unsigned char CompleteName();
  void ListCandidates(const std::vector<std::string_view>& candidates);
  void Bind();
  // The lines of typed text go to pending_ and the history.
  void TakeTypedText(std::string_view text);

  const EditLibrary& libedit_;
  int inputFd_;
  int outputFd_;
  FILE* input_ = nullptr;
  FILE* output_ = nullptr;
  EditLine* el_ = nullptr;
  History* libeditHistory_ = nullptr;
  SessionHistory history_;
  std::unique_ptr<KeySource> keys_;
  Stop stop_ = Stop::None;
  // What the characters handed to libedit leave it waiting for: the key after Ctrl-V, which it
  // inserts as it is, or the rest of a key sequence. Only otherwise is a key of its own (Ctrl-E
  // before "^C") taken as that key.
  bool quoting_ = false;
  bool afterEscape_ = false;
  bool inSequence_ = false;
  std::deque<TypedLine> pending_;
  bool lastCut_ = false;
  bool ended_ = false;
  std::optional<HistorySearch> search_;
  std::wstring original_;  // the line from before the search, and its cursor
  std::size_t originalCursor_ = 0;
  std::string prompt_ = kPrompt;
};

EditLineEditor& EditLineEditor::Of(EditLine* el) {
  void* editor = nullptr;
  OpenEditLibrary()->el_get(el, EL_CLIENTDATA, &editor);
  return *static_cast<EditLineEditor*>(editor);
}

char* EditLineEditor::Prompt(EditLine* el) {
  return Of(el).prompt_.data();
}

int EditLineEditor::ReadCharacter(EditLine* el, wchar_t* character) {
  return Of(el).NextCharacter(character);
}

// No exception may cross libedit's C frames.
unsigned char EditLineEditor::Complete(EditLine* el, int) try {
  return Of(el).CompleteName();
} catch (...) {
  return CC_ERROR;
}

unsigned char EditLineEditor::StartSearch(EditLine* el, int) try {
  EditLineEditor& editor = Of(el);
  const LineInfoW* typed = editor.libedit_.el_wline(el);
  editor.original_.assign(typed->buffer, typed->lastchar);
  editor.originalCursor_ = static_cast<std::size_t>(typed->cursor - typed->buffer);
  editor.search_.emplace(editor.history_.Entries());
  editor.prompt_ = editor.search_->Prompt();
  return CC_REFRESH;
} catch (...) {
  Of(el).search_.reset();
  return CC_ERROR;
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

  el_ =
      libedit_.el_init_fd("calcorix", input_, output_, stderr, inputFd_, outputFd_, STDERR_FILENO);
  if (el_ == nullptr) return false;
  int editing = 0;
  if (libedit_.el_get(el_, EL_EDITMODE, &editing) != 0 || editing == 0) return false;
  libeditHistory_ = libedit_.history_init();
  if (libeditHistory_ == nullptr) return false;
  HistEvent event;
  libedit_.history(libeditHistory_, &event, H_SETSIZE, static_cast<int>(kHistoryLimit));
  libedit_.history(libeditHistory_, &event, H_SETUNIQUE, 1);

  libedit_.el_set(el_, EL_CLIENTDATA, this);
  libedit_.el_set(el_, EL_EDITOR, "emacs");
  libedit_.el_set(el_, EL_SIGNAL, 0);
  libedit_.el_set(el_, EL_PROMPT, &Prompt);
  libedit_.el_set(el_, EL_GETCFN, &ReadCharacter);
  libedit_.el_set(el_, EL_HIST, libedit_.history, libeditHistory_);
  // Inserting characters into a line that wraps leaves the rows after the insertion short on the
  // screen; without the terminal's insert capabilities libedit writes the rest of the line instead.
  for (const char* capability : {"im", "ic", "IC"})
    libedit_.el_set(el_, EL_SETTC, capability, "", static_cast<const char*>(nullptr));
  Bind();
  return true;
}

void EditLineEditor::Start(SessionHistory history, std::unique_ptr<KeySource> keys) {
  history_ = std::move(history);
  keys_ = std::move(keys);
  HistEvent event;
  for (const std::string& entry : history_.Entries()) {
    // Recalled, a line that is no text of characters would make libedit abort.
    if (FormsOnlyCharacters(entry))
      libedit_.history(libeditHistory_, &event, H_ENTER, entry.c_str());
  }
}

void EditLineEditor::Bind() {
  // Named in wide characters: libedit keeps these pointers, and copies narrow names never freed.
  libedit_.el_wset(el_, EL_ADDFN, L"calcorix-complete", L"Complete a function or constant name",
                   &Complete);
  libedit_.el_wset(el_, EL_ADDFN, L"calcorix-search", L"Search the history for typed text",
                   &StartSearch);
  libedit_.el_wset(el_, EL_ADDFN, L"calcorix-redraw", L"Draw the line anew", &Redraw);
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
    libedit_.el_set(el_, EL_BIND, binding[0], binding[1], static_cast<const char*>(nullptr));
  }
  // Alt and a digit would repeat the next key that many times: one key could then make a line of
  // a million characters, past the length a typed line may have, and libedit draws such a line
  // on a narrow terminal out of its own bounds (a crash at 8 columns).
  for (char digit = '0'; digit <= '9'; ++digit) {
    const char alt[] = {'\\', 'e', digit, '\0'};
    libedit_.el_set(el_, EL_BIND, alt, "ed-unassigned", static_cast<const char*>(nullptr));
  }
}

EditLineEditor::~EditLineEditor() {
  if (el_ != nullptr) libedit_.el_end(el_);  // gives the terminal back its settings
  if (libeditHistory_ != nullptr) libedit_.history_end(libeditHistory_);
  if (input_ != nullptr) std::fclose(input_);
  if (output_ != nullptr) std::fclose(output_);
}

bool EditLineEditor::ReadLine(std::string& line) {
  while (pending_.empty()) {
    if (ended_) return false;
    FlushConsole();
    stop_ = Stop::None;
    search_.reset();
    quoting_ = afterEscape_ = inSequence_ = false;
    prompt_ = kPrompt;
    int count = 0;
    keys_->Listen(true);
    // Keys typed once the prompt shows must reach the editor: left to el_gets, the terminal
    // would still echo them and take Ctrl-D as its own end of file until the first key is read.
    libedit_.el_set(el_, EL_PREP_TERM, 1);
    const char* text = libedit_.el_gets(el_, &count);
    keys_->Listen(false);
    switch (stop_) {
      case Stop::Interrupt:
        Write("^C\r\n");
        continue;
      case Stop::CtrlZ: {
        // After Ctrl-V the editor has already gone to a new line; a bare Ctrl+Z byte has not.
        if (count != 0) Write("\r\n");
        const LineInfo* typed = libedit_.el_line(el_);
        TakeTypedText({typed->buffer, static_cast<std::size_t>(typed->cursor - typed->buffer)});
        ended_ = true;
        continue;
      }
      case Stop::EndingSignal:
        // el_gets has given the terminal its settings back; the caller ends by the signal.
        Write("\r\n");
        ended_ = true;
        continue;
      case Stop::None:
        break;
    }
    if (text == nullptr) {
      // Ctrl-D on an empty line (shown as "^D") or the end of the input.
      Write("\r\n");
      ended_ = true;
      continue;
    }
    TakeTypedText(text);
  }
  line = std::move(pending_.front().text);
  lastCut_ = pending_.front().cut;
  pending_.pop_front();
  return true;
}

void EditLineEditor::TakeTypedText(std::string_view text) {
  for (TypedLine& line : TypedLines(text)) {
    HistEvent event;
    if (history_.Add(line.text)) {
      libedit_.history(libeditHistory_, &event, H_ENTER, line.text.c_str());
    }
    pending_.push_back(std::move(line));
  }
}

EditorView EditLineEditor::View() const {
  const LineInfoW* typed = libedit_.el_wline(el_);
  return {prompt_,
          {typed->buffer, static_cast<std::size_t>(typed->lastchar - typed->buffer)},
          static_cast<std::size_t>(typed->cursor - typed->buffer)};
}

int EditLineEditor::NextCharacter(wchar_t* character) {
  using Kind = EditorInput::Kind;
  if (stop_ == Stop::Interrupt) return -1;  // the cursor has gone to the end: "^C" follows the line
  if (!quoting_ && !afterEscape_ && !inSequence_ && FitLineToScreen()) {
    return Deliver(character, kRedraw);
  }
  char bytes[MB_LEN_MAX];
  std::size_t count = 0;
  for (;;) {
    const EditorInput input = keys_->Next(View());
    switch (input.kind) {
      case Kind::Byte:
        break;
      case Kind::Interrupt:
        stop_ = Stop::Interrupt;
        // First the cursor goes to the end of the line, so that "^C" follows all of it; where
        // libedit would not take Ctrl-E as a key, below the line instead.
        if (!quoting_ && !afterEscape_ && !inSequence_) return Deliver(character, kMoveToEnd);
        Write(std::string(RowsBelow() + 1, '\n'));
        return -1;
      case Kind::Resize:
        Resize();
        continue;
      case Kind::Suspend:
        Suspend();
        continue;
      case Kind::Continue:
        // Stopped by someone else: the shell may have changed the terminal's settings.
        libedit_.el_set(el_, EL_PREP_TERM, 0);
        libedit_.el_set(el_, EL_PREP_TERM, 1);
        continue;
      case Kind::Ending:
        stop_ = Stop::EndingSignal;
        return -1;
      case Kind::End:
        return 0;
      case Kind::Failed:
        return -1;
    }
    bytes[count++] = input.byte;
    std::mbstate_t state{};
    wchar_t key = 0;
    const std::size_t length = std::mbrtowc(&key, bytes, count, &state);
    if (length == static_cast<std::size_t>(-2) && count < sizeof bytes) continue;
    if (length > count || !IsUnicodeCharacter(key)) {
      count = 0;  // not a character: dropped, as libedit's own reader drops what the locale lacks
      continue;
    }
    // A Tab with more bytes behind it came in pasted text: it is a blank there (the calculation
    // ignores both), never a completion in the middle of the paste. Only a Tab the user presses
    // completes.
    if (key == L'\t' && input.followed && !quoting_) key = L' ';
    if (key == kCtrlZ) {
      stop_ = Stop::CtrlZ;
      return -1;
    }
    if (search_) return Deliver(character, SearchKey(key));
    // Ctrl-Y puts back what was cut; after Ctrl-V or Ctrl-@ the next key is inserted as it is.
    constexpr wchar_t kYank = 0x19, kQuote = 0x16, kNul = 0;
    const bool lengthens =
        (key >= 0x20 && key != 0x7f) || key == kYank || key == kQuote || key == kNul || quoting_;
    if (lengthens && LineIsFull()) {
      count = 0;
      continue;
    }
    return Deliver(character, key);
  }
}

int EditLineEditor::Deliver(wchar_t* character, wchar_t key) {
  // Ctrl-V and Ctrl-@ (libedit binds both to its quoted insert); Escape and Ctrl-X begin sequences.
  constexpr wchar_t kQuote = 0x16, kNul = 0, kEscape = 0x1b, kCtrlX = 0x18;
  if (quoting_) {
    quoting_ = false;
  } else if (inSequence_) {
    inSequence_ = key < 0x40 || key > 0x7e;  // parameters, until the final character
  } else if (afterEscape_) {
    afterEscape_ = false;
    inSequence_ = key == L'[' || key == L'O';
  } else {
    afterEscape_ = key == kEscape || key == kCtrlX;
    quoting_ = key == kQuote || key == kNul;
  }
  *character = key;
  return 1;
}

// libedit loses count of its rows when a line is taller than the screen, and then writes through a
// null row (a crash). A line that grows keeps two rows free; one that did not (Ctrl-Y, a resize)
// loses its end.
std::size_t EditLineEditor::RowsFree() const {
  const EditorView shown = View();
  int columns = 80, rows = 24;
  libedit_.el_get(el_, EL_GETTC, "co", &columns);
  libedit_.el_get(el_, EL_GETTC, "li", &rows);
  const std::size_t lastRow = RowsAfterCursor({shown.prompt, shown.line, 0},
                                              static_cast<std::size_t>(std::max(columns, 1)));
  const auto screen = static_cast<std::size_t>(std::max(rows, 1));
  return lastRow + 1 >= screen ? 0 : screen - lastRow - 1;
}

bool EditLineEditor::LineIsFull() const {
  const LineInfoW* typed = libedit_.el_wline(el_);
  return typed->lastchar - typed->buffer >= kLongestTypedLine || RowsFree() <= 2;
}

bool EditLineEditor::FitLineToScreen() {
  bool cut = false;
  for (const LineInfoW* typed = libedit_.el_wline(el_);
       typed->lastchar > typed->buffer && RowsFree() < 1; typed = libedit_.el_wline(el_)) {
    libedit_.el_cursor(el_, static_cast<int>(typed->lastchar - typed->cursor));
    libedit_.el_deletestr(el_, 1);
    cut = true;
  }
  return cut;
}

std::size_t EditLineEditor::RowsBelow() const {
  int columns = 80;
  libedit_.el_get(el_, EL_GETTC, "co", &columns);
  return RowsAfterCursor(View(), static_cast<std::size_t>(std::max(columns, 1)));
}

void EditLineEditor::Suspend() {
  libedit_.el_set(el_, EL_PREP_TERM, 0);
  Write("^Z");  // what the terminal itself echoes; the shell goes on below it
  keys_->Suspend();
  libedit_.el_set(el_, EL_PREP_TERM, 1);
  libedit_.el_resize(el_);
  // The shell has left the cursor at the start of a line: the prompt and the line are drawn anew.
  libedit_.el_set(el_, EL_REFRESH);
}

void EditLineEditor::Resize() {
  // Down to the start of the line's last row as drawn for the old width; from there the line is
  // drawn anew for the new width, so that what follows (the result) comes below it whatever the
  // terminal made of the rows above.
  char* clearToLineEnd = nullptr;
  Write(std::string(RowsBelow(), '\n') + "\r");
  if (libedit_.el_get(el_, EL_GETTC, "ce", &clearToLineEnd) == 0 && clearToLineEnd != nullptr) {
    Write(clearToLineEnd);
  }
  libedit_.el_resize(el_);
  libedit_.el_set(el_, EL_REFRESH);
}

wchar_t EditLineEditor::SearchKey(wchar_t key) {
  switch (search_->Press(key)) {
    case SearchStep::Searched:
      if (const std::optional<std::size_t> shown = search_->Shown()) {
        const std::string_view entry = history_.Entries()[*shown];
        ShowLine(Widen(entry), Widen(entry.substr(0, search_->ShownAt())).size());
      } else {
        ShowLine(original_, originalCursor_);
      }
      prompt_ = search_->Prompt();
      return kRedraw;
    case SearchStep::Cancelled:
      ShowLine(original_, originalCursor_);
      break;
    case SearchStep::Left: {
      const wchar_t again[] = {key, 0};
      libedit_.el_wpush(el_, again);
      break;
    }
  }
  search_.reset();
  prompt_ = kPrompt;
  return kRedraw;
}

void EditLineEditor::ShowLine(const std::wstring& text, std::size_t cursor) {
  const LineInfoW* typed = libedit_.el_wline(el_);
  libedit_.el_cursor(el_, static_cast<int>(typed->lastchar - typed->cursor));
  libedit_.el_deletestr(el_, static_cast<int>(typed->lastchar - typed->buffer));
  if (libedit_.el_winsertstr(el_, text.c_str()) != 0) return;
  libedit_.el_cursor(el_, static_cast<int>(cursor) - static_cast<int>(text.size()));
}

unsigned char EditLineEditor::CompleteName() {
  const LineInfo* typed = libedit_.el_line(el_);
  const std::string_view before(typed->buffer,
                                static_cast<std::size_t>(typed->cursor - typed->buffer));
  const std::string_view after(typed->cursor,
                               static_cast<std::size_t>(typed->lastchar - typed->cursor));
  const NameCompletion completion = calcorix::CompleteName(before, after);
  if (completion.candidates.empty()) return CC_ERROR;
  if (completion.replacement != before.substr(before.size() - completion.wordLength)) {
    libedit_.el_deletestr(el_, static_cast<int>(completion.wordLength));
    if (libedit_.el_insertstr(el_, completion.replacement.c_str()) != 0) return CC_ERROR;
    return CC_REFRESH;
  }
  // Nothing more to add: a second Tab shows what fits.
  if (completion.candidates.size() > 1) ListCandidates(completion.candidates);
  return CC_NORM;
}

void EditLineEditor::ListCandidates(const std::vector<std::string_view>& candidates) {
  int columns = 80;
  libedit_.el_get(el_, EL_GETTC, "co", &columns);
  std::fputs(CandidateList(candidates, static_cast<std::size_t>(std::max(columns, 1))).c_str(),
             output_);
  std::fflush(output_);
  // The list has moved the cursor below the line: draw the prompt and the line anew there.
  libedit_.el_set(el_, EL_REFRESH);
}

std::unique_ptr<EditLineEditor> OpenEditor(int inputFd, int outputFd) {
  if (!IsTerminal(inputFd) || !IsTerminal(outputFd) || !TerminalIsNamed()) return nullptr;
  const EditLibrary* libedit = OpenEditLibrary();
  if (libedit == nullptr || !TerminalIsKnown(*libedit)) return nullptr;
  auto editor = std::make_unique<EditLineEditor>(*libedit, inputFd, outputFd);
  if (!editor->Open()) return nullptr;
  return editor;
}

}  // namespace

std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd) {
  auto editor = OpenEditor(inputFd, outputFd);
  if (editor == nullptr) return nullptr;
  // The history first: a Ctrl-C while it loads is answered once the keys are taken.
  SessionHistory history =
      SessionHistory::FromFile(HistoryPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
  editor->Start(std::move(history), OpenTerminalKeys(inputFd));
  return editor;
}

std::unique_ptr<LineEditor> OpenLineEditor(int inputFd, int outputFd,
                                           std::unique_ptr<KeySource> keys,
                                           SessionHistory history) {
  auto editor = OpenEditor(inputFd, outputFd);
  if (editor != nullptr) editor->Start(std::move(history), std::move(keys));
  return editor;
}

}  // namespace calcorix
