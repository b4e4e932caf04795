#include "app/clock.h"

#include <utility>

namespace vt {
namespace {

std::time_t SystemNow() { return std::time(nullptr); }

ClockFunction& CurrentClock() {
  static ClockFunction clock = SystemNow;
  return clock;
}

}  // namespace

ClockFunction SetClock(ClockFunction clock) {
  if (!clock) clock = SystemNow;
  return std::exchange(CurrentClock(), std::move(clock));
}

std::time_t Now() { return CurrentClock()(); }

}  // namespace vt
