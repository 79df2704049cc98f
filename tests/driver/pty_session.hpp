#pragma once

#include <sys/types.h>
#include <sys/wait.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The real binary on a pseudo-terminal, as a user at a terminal would run it: the test types
// bytes, waits (with a time limit) until the terminal has received some text, and looks at every
// byte the program sent, escape sequences included.

namespace calcorix::test {

struct PtyOptions {
  std::vector<std::string> arguments;  // without the program itself
  std::vector<std::string> environment;
  unsigned short columns = 80;
  unsigned short rows = 24;
  std::string standardOutputFile;  // when not empty, standard output goes to this file instead
};

class PtySession {
 public:
  PtySession(const std::string& program, const PtyOptions& options);
  ~PtySession();  // kills the program if it still runs
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  // Types the bytes, reading the program's output meanwhile so that neither side blocks.
  void Type(std::string_view keys);
  // Waits until `text` arrives after the end of the previous match; true when it did in time.
  bool WaitFor(std::string_view text, double seconds = 5);
  // Waits until the terminal passes the next key on as a byte, without making it a signal
  // (libedit's quoted insert after Ctrl-V); true when it did in time.
  bool WaitForQuotedKey(double seconds = 5);
  // Waits for the program to end and returns its exit status; -1 when it did not end in time or
  // was ended by a signal.
  int WaitForExit(double seconds = 5);
  // The signal that ended the program, 0 when it exited or still runs.
  int EndingSignal() const { return exited_ && WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }
  void Signal(int number) const;
  // Resizes the terminal; the program gets SIGWINCH.
  void Resize(unsigned short columns, unsigned short rows);

  // Every byte the terminal has received so far, and the part after the previous match.
  const std::string& Received() const { return received_; }
  std::string_view Unmatched() const { return std::string_view(received_).substr(matched_); }
  std::size_t Count(std::string_view text) const;

 private:
  // Reads what the program has sent, waiting up to `milliseconds`: 1 when something came, 0 when
  // nothing did, -1 when the terminal is closed (the program has ended).
  int Pump(int milliseconds);

  int master_ = -1;
  pid_t child_ = -1;
  std::string received_;
  std::size_t matched_ = 0;
  int status_ = 0;
  bool exited_ = false;
};

}  // namespace calcorix::test
