// The room's microphone: the "Micro svp !" request that waits for the microphone, takes it
// and then locks itself for 60 seconds, and Scroll Lock as a push-to-talk key.
#pragma once

#include <string>

#include "core/WindowContext.h"
#include "panel/PanelControls.h"

namespace vl {

class Reglages;

inline const std::wstring kMicroCaption = L"Micro svp !";
inline const std::wstring kMicroCaptionAfterCountdown = L"Micro svp!";
inline const std::wstring kMicroWaitingCaption = L"Attente ...";
inline constexpr int kCountdownSeconds = 60;
inline constexpr int kPushReleasePauseMs = 500;
// Taking the microphone gives up after this many clicks, with a short wait after each for a
// client that answers late: a room whose buttons never change must not hang the program.
inline constexpr int kTakeRounds = 10;
inline constexpr int kTakeRoundWaitMs = 30;

class MicroControl {
 public:
  MicroControl(const WindowContext& ctx, Reglages& panel, const PanelControls& c);

  // True when a microphone button is disabled (or is no window): the microphone is taken.
  bool MicroOccupe();
  // Clicks the first microphone button until the microphone is taken; false when it gave up.
  bool PrendreMicro();
  void AppuiMicro();
  void RelacheMicro();

  // The join watcher's tick: starts push-to-talk when Scroll Lock is down and the
  // microphone free.
  void WatchPushToTalkKey();
  // The panel's second: the countdown of the request.
  void CountdownSecond();

  bool DecompteMicroActif() const { return countdownActive_; }
  int DecompteMicro() const { return countdown_; }

 private:
  void ReyCommand17_Click();
  void PriseMicro_Tick();
  void AttenteLacheMicro_Tick();
  void TimerToucheclavier_Tick();
  bool ScrollLockDown();
  void BackToIdle(const std::wstring& caption);

  WindowContext ctx_;
  Reglages& panel_;
  Control& ReyCommand17_;
  bool countdownActive_ = false;
  int countdown_ = 0;
  bool pushDownSent_ = false;  // a button-down of push-to-talk still owes its release
};

}  // namespace vl
