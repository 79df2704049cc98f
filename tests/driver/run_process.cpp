#include "run_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

namespace calcorix::test {
namespace {

// A pseudo-terminal in raw mode: the parent reads the master side like a pipe, the child writes
// to the slave side and sees a terminal.
void OpenTerminal(int ends[2]) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) throw std::runtime_error("pty");
  const int terminal = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios mode{};
  tcgetattr(terminal, &mode);
  cfmakeraw(&mode);
  tcsetattr(terminal, TCSANOW, &mode);
  ends[0] = master;
  ends[1] = terminal;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const ProcessOptions& options) {
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  std::vector<std::string> envp = options.environment;
  auto argPointers = ExecPointers(argv);
  auto envPointers = ExecPointers(envp);

  if (options.target == OutputTarget::Terminal) {
    close(out[0]);
    close(out[1]);
    OpenTerminal(out);
  }
  int err[2] = {-1, -1};
  if (options.errorTarget == ErrorTarget::Pipe && pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe");
  }
  if (options.errorTarget == ErrorTarget::Terminal) OpenTerminal(err);

  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) {
    if (options.source == InputSource::Directory) {
      const int directory = open("/", O_RDONLY);
      dup2(directory, 0);
    } else if (options.source == InputSource::Closed) {
      close(0);
    } else {
      dup2(in[0], 0);
    }
    if (options.target == OutputTarget::DevFull) {
      const int full = open("/dev/full", O_WRONLY);
      dup2(full, 1);
    } else {
      dup2(out[1], 1);
    }
    if (err[1] >= 0) dup2(err[1], 2);
    if (options.stackLimitBytes != 0) {
      const rlimit limit{options.stackLimitBytes, options.stackLimitBytes};
      setrlimit(RLIMIT_STACK, &limit);
    }
    if (options.memoryLimitBytes != 0) {
      const rlimit limit{options.memoryLimitBytes, options.memoryLimitBytes};
      setrlimit(RLIMIT_AS, &limit);
    }
    execve(program.c_str(), argPointers.data(), envPointers.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  if (err[1] >= 0) close(err[1]);
  if (options.target == OutputTarget::ClosedPipe) {
    close(out[0]);
    out[0] = -1;
  }

  ProcessResult result;
  std::size_t written = 0;
  int inFd = in[1];
  if (options.input.empty()) {
    close(inFd);
    inFd = -1;
  } else {
    fcntl(inFd, F_SETFL, O_NONBLOCK);
  }
  // SIGPIPE here would end the test itself when the child stops reading early.
  signal(SIGPIPE, SIG_IGN);
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(options.timeLimitSeconds);
  bool signalled = false;
  // Reads what is there; false once the other end is closed (a terminal answers EIO then).
  const auto drain = [](int& fd, std::string& into) {
    char buffer[65536];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      into.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      close(fd);
      fd = -1;
    }
  };
  while (out[0] >= 0 || err[0] >= 0 || inFd >= 0) {
    pollfd fds[3];
    int count = 0;
    if (out[0] >= 0) fds[count++] = {out[0], POLLIN, 0};
    if (err[0] >= 0) fds[count++] = {err[0], POLLIN, 0};
    if (inFd >= 0) fds[count++] = {inFd, POLLOUT, 0};
    const int ready = poll(fds, count, 100);
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      result.timedOut = true;
      break;
    }
    if (ready <= 0) continue;
    for (int i = 0; i < count; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == out[0]) {
        drain(out[0], result.output);
        if (options.signalAfterBytes != 0 && !signalled &&
            result.output.size() >= options.signalAfterBytes) {
          kill(child, options.signal);
          signalled = true;
        }
      } else if (fds[i].fd == err[0]) {
        drain(err[0], result.errors);
      } else {
        const ssize_t n =
            write(inFd, options.input.data() + written, options.input.size() - written);
        if (n > 0) written += static_cast<std::size_t>(n);
        if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == options.input.size()) {
          close(inFd);
          inFd = -1;
        }
      }
    }
  }
  if (inFd >= 0) close(inFd);
  if (out[0] >= 0) close(out[0]);
  if (err[0] >= 0) close(err[0]);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      result.timedOut = true;
      waitpid(child, &status, 0);
      break;
    }
    usleep(1000);
  }
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace calcorix::test
