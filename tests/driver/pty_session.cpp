#include "pty_session.hpp"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "run_process.hpp"

namespace calcorix::test {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

Clock::time_point After(double seconds) {
  return Clock::now() +
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

PtySession::PtySession(const std::string& program, const PtyOptions& options) {
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  std::vector<std::string> envp = options.environment;
  auto argPointers = ExecPointers(argv);
  auto envPointers = ExecPointers(envp);
  int output = -1;
  if (!options.standardOutputFile.empty()) {
    output =
        ::open(options.standardOutputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (output < 0) throw std::runtime_error("open " + options.standardOutputFile);
  }
  winsize size{};
  size.ws_col = options.columns;
  size.ws_row = options.rows;
  child_ = ::forkpty(&master_, nullptr, nullptr, &size);
  if (child_ < 0) throw std::runtime_error("forkpty");
  if (child_ == 0) {
    if (output >= 0) ::dup2(output, 1);
    ::execve(program.c_str(), argPointers.data(), envPointers.data());
    ::_exit(127);
  }
  if (output >= 0) ::close(output);
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  ::fcntl(master_, F_SETFL, O_NONBLOCK);
}

PtySession::~PtySession() {
  if (!exited_) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
  ::close(master_);
}

int PtySession::Pump(int milliseconds) {
  pollfd ready{master_, POLLIN, 0};
  if (::poll(&ready, 1, milliseconds) <= 0) return 0;
  char buffer[4096];
  const ssize_t n = ::read(master_, buffer, sizeof buffer);
  if (n > 0) {
    received_.append(buffer, static_cast<std::size_t>(n));
    return 1;
  }
  // EIO: every descriptor of the terminal's other side is closed.
  return n < 0 && (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

void PtySession::Type(std::string_view keys) {
  const auto deadline = After(10);
  while (!keys.empty() && Clock::now() < deadline) {
    const ssize_t n = ::write(master_, keys.data(), keys.size());
    if (n > 0) {
      keys.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      throw std::runtime_error("typing into the terminal failed");
    }
    if (Pump(keys.empty() ? 0 : 1) < 0) break;
  }
}

bool PtySession::WaitFor(std::string_view text, double seconds) {
  const auto deadline = After(seconds);
  for (int pumped = 0;; pumped = Pump(MillisecondsLeft(deadline))) {
    const std::size_t found = received_.find(text, matched_);
    if (found != std::string::npos) {
      matched_ = found + text.size();
      return true;
    }
    if (pumped < 0 || Clock::now() >= deadline) return false;
  }
}

bool PtySession::WaitForQuotedKey(double seconds) {
  const auto deadline = After(seconds);
  for (;;) {
    termios settings{};
    // The settings of the terminal's other side, read through this side.
    if (::tcgetattr(master_, &settings) == 0 && (settings.c_lflag & ISIG) == 0) return true;
    if (Clock::now() >= deadline || Pump(1) < 0) return false;
  }
}

int PtySession::WaitForExit(double seconds) {
  const auto deadline = After(seconds);
  // All output first: the terminal closes when the program has ended.
  while (Clock::now() < deadline && Pump(MillisecondsLeft(deadline)) >= 0) {
  }
  while (!exited_) {
    if (::waitpid(child_, &status_, WNOHANG) == child_) {
      exited_ = true;
    } else if (Clock::now() >= deadline) {
      return -1;
    } else {
      ::usleep(1000);
    }
  }
  return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

void PtySession::Signal(int number) const {
  ::kill(child_, number);
}

void PtySession::Resize(unsigned short columns, unsigned short rows) {
  winsize size{};
  size.ws_col = columns;
  size.ws_row = rows;
  ::ioctl(master_, TIOCSWINSZ, &size);
}

std::size_t PtySession::Count(std::string_view text) const {
  std::size_t count = 0;
  for (std::size_t at = received_.find(text); at != std::string::npos;
       at = received_.find(text, at + text.size())) {
    ++count;
  }
  return count;
}

}  // namespace calcorix::test
