#include "platform/signals.hpp"

#include <poll.h>
#include <unistd.h>

#include "platform/program_end.hpp"

namespace calcorix {
namespace {

volatile sig_atomic_t noted[NSIG];

constexpr int kTerminationSignals[] = {SIGINT, SIGTERM, SIGHUP};

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
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  for (int signal : kTerminationSignals) {
    struct sigaction before {};
    // A shell runs a background job of a script with SIGINT ignored, and `trap "" TERM` or nohup
    // ask for the same: such a signal must not end the program.
    if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

int PendingTerminationSignal() {
  for (int signal : {SIGTERM, SIGHUP, SIGQUIT, SIGINT}) {
    if (noted[signal] != 0) return signal;
  }
  return 0;
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

SignalScope::SignalScope(bool answerInterrupt) {
  sigset_t scopeSignals;
  sigemptyset(&scopeSignals);
  for (int signal : kSignals)
    sigaddset(&scopeSignals, signal);
  sigprocmask(SIG_BLOCK, &scopeSignals, &waitMask_);
  struct sigaction handler {};
  handler.sa_handler = NoteSignal;
  handler.sa_mask = scopeSignals;  // no SA_RESTART: the wait returns at once
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    const int signal = kSignals[i];
    sigaction(signal, nullptr, &saved_[i]);
    const bool answered = saved_[i].sa_handler != SIG_IGN || (signal == SIGINT && answerInterrupt);
    if (answered) sigaction(signal, &handler, nullptr);
  }
}

SignalScope::~SignalScope() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i)
    sigaction(kSignals[i], &saved_[i], nullptr);
  sigprocmask(SIG_SETMASK, &waitMask_, nullptr);
}

bool SignalScope::WaitForInput(int fd) {
  pollfd ready{fd, POLLIN, 0};
  return ::ppoll(&ready, 1, nullptr, &waitMask_) > 0;
}

void SignalScope::Suspend() {
  struct sigaction stop {};
  stop.sa_handler = SIG_DFL;
  struct sigaction ours {};
  sigaction(SIGTSTP, &stop, &ours);
  sigset_t suspend;
  sigemptyset(&suspend);
  sigaddset(&suspend, SIGTSTP);
  raise(SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &suspend, nullptr);  // the process stops here until it is continued
  sigprocmask(SIG_BLOCK, &suspend, nullptr);
  sigaction(SIGTSTP, &ours, nullptr);
}

}  // namespace calcorix
