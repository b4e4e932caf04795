// The wall clock, replaceable so that tests never depend on the machine's time.
#pragma once

#include <ctime>
#include <functional>

namespace vt {

using ClockFunction = std::function<std::time_t()>;

// Installs a clock (an empty function restores the system clock); returns the previous one.
ClockFunction SetClock(ClockFunction clock);

// Seconds since the epoch, UTC.
std::time_t Now();

}  // namespace vt
