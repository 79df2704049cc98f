#include <csignal>

#include "driver/driver.hpp"
#include "platform/console.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"

int main(int argc, char** argv) {
  using namespace calcorix;
  // A closed pipe must end the program through a failed write (status 1), not by a signal.
  std::signal(SIGPIPE, SIG_IGN);
  AdoptUserLocale();
  RecordProcessArguments(argc, argv);
  int status = 0;
  try {
    RunCalcorix();
  } catch (const ProgramEnd& end) {
    status = end.status;
  }
  try {
    FlushConsole();
  } catch (const ProgramEnd& end) {
    return end.status;
  }
  return status;
}
