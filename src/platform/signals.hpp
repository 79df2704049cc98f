#pragma once

#include <signal.h>

#include <cstddef>
#include <iterator>

// SIGINT, SIGTERM and SIGHUP end the program without losing a completed line: the handler only
// notes the signal; the program looks at the note between two lines (or loop passes), and a write
// that waits for its reader gives up on it. The whole lines it has are written, and then the
// program ends by the same signal with its default action, so that its parent sees the usual
// status. A signal that was ignored when the program started stays ignored, as the caller wanted.
//
// On Windows the console's events take their place: Ctrl-C is noted as SIGINT, Ctrl-Break as
// SIGBREAK, and closing the console window, logging off or shutting down as SIGTERM; the program
// then ends as a console program that Ctrl-C ended does (status STATUS_CONTROL_C_EXIT).

namespace calcorix {

// From now on SIGINT, SIGTERM and SIGHUP are noted instead of ending the program at once, unless
// they are ignored. Reads and writes that wait are interrupted by them (no automatic restart).
// Windows: the console's events are noted (SetConsoleCtrlHandler); a Ctrl-C that the parent
// disabled stays disabled.
void NoteTerminationSignals();

// The noted signal that ends the program (SIGINT, SIGTERM, SIGHUP, or SIGQUIT at the prompt), or 0.
int PendingTerminationSignal();

// Ends the program by `signal` (EndProgram with that signal): the caller's pending output is
// written first by main.
[[noreturn]] void EndBySignal(int signal);

// The handler that only notes its signal, and the notes it leaves. A note stays until the signal
// has been answered and the note is forgotten.
void NoteSignal(int signal);
bool SignalNoted(int signal);
void ForgetSignal(int signal);

// Restores the default action of `signal` and raises it; when that does not end the process, it
// ends with status 128 + signal. Windows: ends the process with status STATUS_CONTROL_C_EXIT.
[[noreturn]] void RaiseWithDefaultAction(int signal);

#ifndef _WIN32
// The signals of a program that waits for keys at a terminal (SIGINT, SIGWINCH, SIGTSTP, SIGCONT,
// SIGTERM, SIGHUP, SIGQUIT), noted while the scope lives. They are blocked except while
// WaitForInput waits, so that no reaction interrupts the code between two waits and none slips
// in unseen just before a wait. A signal that is ignored when the scope opens stays ignored
// (SIGTSTP in a shell without job control), except SIGINT when `answerInterrupt` says so.
class SignalScope {
 public:
  explicit SignalScope(bool answerInterrupt);
  ~SignalScope();
  SignalScope(const SignalScope&) = delete;
  SignalScope& operator=(const SignalScope&) = delete;

  // Waits until `fd` can be read or a signal arrives: true when it can be read, false when the wait
  // was interrupted (look at the notes) or failed (errno says which).
  bool WaitForInput(int fd);

  // Stops the process as SIGTSTP's default action would, and returns once it is continued.
  void Suspend();

 private:
  static constexpr int kSignals[] = {SIGINT, SIGWINCH, SIGTSTP, SIGCONT, SIGTERM, SIGHUP, SIGQUIT};
  sigset_t waitMask_{};
  struct sigaction saved_[std::size(kSignals)]{};
};
#endif

}  // namespace calcorix
