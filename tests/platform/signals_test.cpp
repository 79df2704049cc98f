#include "platform/signals.hpp"

#include <gtest/gtest.h>

namespace calcorix::test {
namespace {

// A shell's background job, nohup and `trap "" TERM` hand the program signals to ignore.
TEST(NoteTerminationSignals, KeepsWhatTheCallerIgnored) {
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
    for (const bool ignored : {true, false}) {
      SCOPED_TRACE(std::to_string(number) + (ignored ? " ignored" : " default"));
      ::signal(number, ignored ? SIG_IGN : SIG_DFL);
      NoteTerminationSignals();
      struct sigaction now {};
      sigaction(number, nullptr, &now);
      EXPECT_EQ(now.sa_handler, ignored ? SIG_IGN : &NoteSignal);
      ::signal(number, SIG_DFL);
    }
  }
}

}  // namespace
}  // namespace calcorix::test
