// A periodic timer of one of the program's windows. The platform's clock delivers the ticks.
#pragma once

#include <functional>
#include <string>

#include "platform/Clock.h"

namespace vl {

class Timer {
 public:
  Timer(Clock& clock, std::wstring name, int intervalMs)
      : clock_(clock), name_(std::move(name)), interval_(intervalMs) {}
  ~Timer() { SetEnabled(false); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::wstring& Name() const { return name_; }
  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  // Enabling a running timer leaves it running on its period.
  void SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled) {
      clock_.Start(*this);
    } else {
      clock_.Stop(*this);
    }
  }

  std::function<void()> onTick;

  // From the clock. A tick never re-enters itself: a modal box opened by the handler lets
  // other timers tick, but not this one until the handler has returned.
  void Tick() {
    if (!enabled_ || ticking_ || !onTick) return;
    ticking_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{ticking_};
    onTick();
  }
  bool Ticking() const { return ticking_; }

 private:
  Clock& clock_;
  std::wstring name_;
  int interval_;
  bool enabled_ = false;
  bool ticking_ = false;
};

}  // namespace vl
