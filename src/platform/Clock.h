// Time on the one UI thread: a blocking pause and periodic timers.
#pragma once

#include <cstdint>

namespace vl {

class Timer;

// A moment of the local calendar, with the offset of local time from UTC in minutes (east
// positive), as the desktop's time zone gives it at that moment.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int offsetMinutes = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;

  // Holds the whole program for `ms` milliseconds: no tick and no event runs meanwhile.
  // Timers that fell due tick once afterwards (they coalesce, they do not queue).
  virtual void Sleep(int ms) = 0;
  // Milliseconds since some fixed moment; used to seed the random generator. On Windows it
  // moves in steps of about 16 ms.
  virtual std::uint64_t NowMs() = 0;
  // Microseconds since some fixed moment, on their own monotonic clock: for timing calls that
  // take less than one step of NowMs.
  virtual std::uint64_t NowUs() = 0;
  // The date and time of the desktop's calendar now.
  virtual LocalTime LocalNow() = 0;

  // Start or stop delivering Tick() to `timer` every timer.Interval() ms. Starting a timer
  // that runs restarts its period. The timer must Stop itself before it is destroyed.
  virtual void Start(Timer& timer) = 0;
  virtual void Stop(Timer& timer) = 0;
};

}  // namespace vl
