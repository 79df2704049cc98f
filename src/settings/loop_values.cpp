#include "arith/checked.hpp"
#include "arith/errors.hpp"
#include "settings/settings.hpp"

namespace calcorix {

std::optional<long double> NextLoopValue(const Settings& settings, long double value) {
  long double next = 0;
  try {
    next = Add(value, settings.loopStep);
  } catch (const EOverflow&) {
    return std::nullopt;
  }
  const bool ascending = settings.loopStep >= 0;
  if (ascending ? next > settings.loopEnd : next < settings.loopEnd) return std::nullopt;
  return next;
}

}  // namespace calcorix
