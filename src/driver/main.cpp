#include <new>

#include "driver/driver.hpp"
#include "platform/console.hpp"
#include "platform/locale.hpp"
#include "platform/process.hpp"
#include "platform/program_end.hpp"
#include "platform/signals.hpp"
#include "platform/streams.hpp"

namespace {

int Run() {
  using namespace calcorix;
  PrepareStandardStreams();
  NoteTerminationSignals();
  AdoptUserLocale();
  ProgramEnd end{0};
  try {
    end.status = RunCalcorix();
  } catch (const ProgramEnd& programEnd) {
    end = programEnd;
  } catch (const std::bad_alloc&) {
    // Out of memory: what is computed so far still goes out, and the run failed.
    end.status = 1;
  }
  try {
    FlushConsole();
  } catch (const ProgramEnd& lastWrite) {
    // A failed write ends with status 1; a signal that cut the writing short ends by that signal.
    if (lastWrite.signal == 0) return lastWrite.status;
    end = lastWrite;
  }
  if (end.signal != 0) RaiseWithDefaultAction(end.signal);
  return end.status;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  calcorix::RecordProcessArguments(argc, argv);
  return Run();
}
#else
int main(int argc, char** argv) {
  calcorix::RecordProcessArguments(argc, argv);
  return Run();
}
#endif
