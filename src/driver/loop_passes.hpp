#pragma once

#include <optional>

#include "calcorix/calculator.hpp"
#include "platform/signals.hpp"
#include "settings/settings.hpp"

// The loop's passes, one stepping for the printed loop and the graph alike, so that both compute
// exactly the same LI values.

namespace calcorix {

// Sets LI to each value of the loop in turn and calls `pass()`, which answers false to end the
// loop early. A SIGINT or SIGTERM noted during a pass ends the program before the next one,
// after the whole lines written so far.
template <class Pass>
void ForEachLoopPass(const Settings& settings, Calculator& calculator, Pass&& pass) {
  for (std::optional<long double> value = settings.loopValue; value;
       value = NextLoopValue(settings, *value)) {
    calculator.SetLoopValue(*value);
    const bool more = pass();
    if (const int signal = PendingTerminationSignal()) EndBySignal(signal);
    if (!more) return;
  }
}

}  // namespace calcorix
