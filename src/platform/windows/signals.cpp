// The console's events in place of signals. The handler runs in a thread that the system starts for
// it, so the notes are atomic.

#include "platform/signals.hpp"

#include <atomic>

#include "platform/program_end.hpp"
#include "platform/windows/wide.hpp"

namespace calcorix {
namespace {

std::atomic<bool> noted[NSIG];

BOOL WINAPI NoteConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
      NoteSignal(SIGINT);
      return TRUE;
    case CTRL_BREAK_EVENT:
      NoteSignal(SIGBREAK);
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      NoteSignal(SIGTERM);
      // The system ends the process as soon as this handler returns from these events: it waits
      // here while the program's own thread writes its whole lines and ends the process itself,
      // or until the system's time for it runs out.
      ::Sleep(INFINITE);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void NoteSignal(int signal) {
  if (signal > 0 && signal < NSIG) noted[signal] = true;
}

bool SignalNoted(int signal) {
  return noted[signal];
}

void ForgetSignal(int signal) {
  noted[signal] = false;
}

// A parent that disabled Ctrl-C (SetConsoleCtrlHandler(NULL, TRUE), or a new process group) keeps
// it disabled: the system then hands the event to no handler.
void NoteTerminationSignals() {
  ::SetConsoleCtrlHandler(NoteConsoleEvent, TRUE);
}

int PendingTerminationSignal() {
  for (int signal : {SIGTERM, SIGBREAK, SIGINT}) {
    if (noted[signal]) return signal;
  }
  return 0;
}

void EndBySignal(int signal) {
  throw ProgramEnd{128 + signal, signal};
}

// The status that the console's default handling of Ctrl-C and Ctrl-Break leaves.
void RaiseWithDefaultAction(int) {
  ::ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
}

}  // namespace calcorix
