#include "platform/fake/FakeClock.h"

#include <algorithm>

#include "platform/fake/FakePlatform.h"
#include "platform/ui/Timer.h"

namespace vl {

LocalTime FakeClock::LocalNow() {
  LocalTime t = calendar_;
  const std::uint64_t seconds =
      t.hour * 3600ULL + t.minute * 60ULL + static_cast<std::uint64_t>(t.second) + now_ / 1000;
  t.day += static_cast<int>(seconds / 86400);  // the tests stay within their month
  t.hour = static_cast<int>(seconds % 86400 / 3600);
  t.minute = static_cast<int>(seconds % 3600 / 60);
  t.second = static_cast<int>(seconds % 60);
  return t;
}

void FakeClock::Sleep(int ms) {
  if (ms <= 0) return;
  now_ += static_cast<std::uint64_t>(ms);
  slept_ += static_cast<std::uint64_t>(ms);
}

void FakeClock::Start(Timer& timer) {
  Stop(timer);
  entries_.push_back(
      Entry{&timer, now_ + static_cast<std::uint64_t>(std::max(1, timer.Interval())), started_++});
}

void FakeClock::Stop(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool FakeClock::Running(const Timer& timer) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.timer == &timer; });
}

// The timer that expired first among those due by `limit`, skipping one whose handler is
// running (a tick never re-enters itself).
FakeClock::Entry* FakeClock::NextDue(std::uint64_t limit) {
  Entry* best = nullptr;
  for (Entry& e : entries_) {
    if (e.next > limit || e.timer->Ticking()) continue;
    if (best == nullptr || e.next < best->next || (e.next == best->next && e.order < best->order)) {
      best = &e;
    }
  }
  return best;
}

void FakeClock::Advance(int ms) {
  const std::uint64_t target = now_ + static_cast<std::uint64_t>(std::max(0, ms));
  // Only expiries up to the target are delivered: a handler that pauses longer than its
  // period would otherwise keep the clock running for ever.
  while (!platform_.Ended()) {
    Entry* due = NextDue(target);
    if (due == nullptr) break;
    now_ = std::max(now_, due->next);
    const std::uint64_t interval = static_cast<std::uint64_t>(std::max(1, due->timer->Interval()));
    while (due->next <= now_)
      due->next += interval;
    Timer* timer = due->timer;  // the entry may go while the handler runs
    platform_.Deliver([timer] { timer->Tick(); });
  }
  now_ = std::max(now_, target);
}

}  // namespace vl
