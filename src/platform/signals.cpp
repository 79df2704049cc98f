#include "platform/signals.hpp"

#include <signal.h>
#include <unistd.h>

#include "platform/program_end.hpp"

namespace calcorix {
namespace {

volatile sig_atomic_t pendingSignal = 0;
volatile sig_atomic_t noted[NSIG];

void NoteTermination(int signal) {
  pendingSignal = signal;
}

}  // namespace

void NoteSignal(int signal) {
  if (signal > 0 && signal < NSIG) noted[signal] = 1;
}

bool SignalNoted(int signal) {
  return noted[signal] != 0;
}

void ForgetSignal(int signal) {
  noted[signal] = 0;
}

void NoteTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = NoteTermination;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int PendingTerminationSignal() {
  return pendingSignal;
}

void EndBySignal(int signal) {
  throw ProgramEnd{128 + signal, signal};
}

void RaiseWithDefaultAction(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, signal);
  sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(signal);
  _exit(128 + signal);
}

}  // namespace calcorix
