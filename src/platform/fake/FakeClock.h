// A virtual clock: ticks fire in time order when the test advances time; a pause inside a
// handler moves the clock without firing ticks, and the timers that fell due tick once
// afterwards, as Windows timers coalesce.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Clock.h"

namespace vl {

class FakePlatform;

class FakeClock : public Clock {
 public:
  explicit FakeClock(FakePlatform& platform) : platform_(platform) {}

  void Sleep(int ms) override;
  std::uint64_t NowMs() override { return now_; }
  std::uint64_t NowUs() override { return now_ * 1000; }
  // The calendar the test set, moved on by the virtual time within its day.
  LocalTime LocalNow() override;
  void Start(Timer& timer) override;
  void Stop(Timer& timer) override;

  // Test side. Advances the clock by `ms`, firing every tick that falls due on the way (a
  // modal box's script may call it from inside a handler, as a modal loop ticks).
  void Advance(int ms);
  std::uint64_t Now() const { return now_; }
  // Total time spent in pauses.
  std::uint64_t SleptMs() const { return slept_; }
  bool Running(const Timer& timer) const;
  void SetCalendar(LocalTime at) { calendar_ = at; }

 private:
  struct Entry {
    Timer* timer;
    std::uint64_t next;   // next expiry
    std::uint64_t order;  // start order, for ties
  };
  Entry* NextDue(std::uint64_t limit);

  FakePlatform& platform_;
  std::uint64_t now_ = 0;
  std::uint64_t slept_ = 0;
  std::uint64_t started_ = 0;
  std::vector<Entry> entries_;
  LocalTime calendar_{2026, 12, 9, 10, 0, 0, 60};
};

}  // namespace vl
