#include "panel/MicroControl.h"

#include "app/App.h"
#include "panel/Reglages.h"

namespace vl {

MicroControl::MicroControl(App& app, Reglages& panel) : app_(app), panel_(panel) {
  panel[L"ReyCommand17"].onClick = [this] { ReyCommand17_Click(); };
  panel.PriseMicro.onTick = [this] { PriseMicro_Tick(); };
  panel.AttenteLacheMicro.onTick = [this] { AttenteLacheMicro_Tick(); };
  panel.TimerToucheclavier.onTick = [this] { TimerToucheclavier_Tick(); };
}

bool MicroControl::MicroOccupe() {
  ForeignWindows& windows = app_.platform.foreign();
  return !(windows.IsEnabled(app_.room.MicButtonWindow1) &&
           windows.IsEnabled(app_.room.MicButtonWindow2));
}

bool MicroControl::PrendreMicro() {
  if (MicroOccupe()) return true;
  ForeignWindows& windows = app_.platform.foreign();
  for (int round = 0; round < kTakeRounds; ++round) {
    windows.ButtonDown(app_.room.MicButtonWindow1);
    windows.ButtonUp(app_.room.MicButtonWindow1);
    if (MicroOccupe()) return true;
    app_.platform.clock().Sleep(kTakeRoundWaitMs);
    if (MicroOccupe()) return true;
  }
  return false;
}

void MicroControl::AppuiMicro() {
  app_.platform.foreign().ButtonDown(app_.room.MicButtonWindow2);
}

void MicroControl::RelacheMicro() {
  ForeignWindows& windows = app_.platform.foreign();
  windows.ButtonDown(app_.room.MicButtonWindow2);
  app_.platform.clock().Sleep(kPushReleasePauseMs);
  windows.ButtonUp(app_.room.MicButtonWindow2);
}

bool MicroControl::ScrollLockDown() {
  return app_.platform.keyboard().IsKeyDown(kKeyScrollLock);
}

void MicroControl::ReyCommand17_Click() {
  panel_.PriseMicro.SetEnabled(true);
  panel_[L"ReyCommand17"].SetText(kMicroWaitingCaption);
}

void MicroControl::PriseMicro_Tick() {
  if (MicroOccupe()) return;
  panel_.PriseMicro.SetEnabled(false);
  if (!PrendreMicro()) {
    // The room did not give the microphone: the request ends, ready to be made again.
    BackToIdle(kMicroCaption);
    return;
  }
  Control& button = panel_[L"ReyCommand17"];
  button.SetEnabled(false);
  button.SetText(kMicroCaption);
  panel_.AttenteLacheMicro.SetEnabled(true);
}

void MicroControl::AttenteLacheMicro_Tick() {
  if (MicroOccupe()) return;
  countdownActive_ = true;
  countdown_ = 0;
  panel_.AttenteLacheMicro.SetEnabled(false);
}

void MicroControl::CountdownSecond() {
  if (!countdownActive_) return;
  ++countdown_;
  panel_[L"ReyCommand17"].SetText(std::to_wstring(kCountdownSeconds + 1 - countdown_));
  if (countdown_ > kCountdownSeconds) {
    countdown_ = 0;
    countdownActive_ = false;
    BackToIdle(kMicroCaptionAfterCountdown);
  }
}

void MicroControl::BackToIdle(const std::wstring& caption) {
  Control& button = panel_[L"ReyCommand17"];
  button.SetEnabled(true);
  button.SetText(caption);
}

// Only the push-to-talk timer stops itself, so that its release step always runs after the
// key goes up, whichever of the two timers ticks first.
void MicroControl::WatchPushToTalkKey() {
  if (!MicroOccupe() && ScrollLockDown()) panel_.TimerToucheclavier.SetEnabled(true);
}

void MicroControl::TimerToucheclavier_Tick() {
  if (!MicroOccupe() && ScrollLockDown()) {
    AppuiMicro();
    pushDownSent_ = true;
  }
  if (ScrollLockDown()) return;
  if (pushDownSent_) {
    RelacheMicro();
    pushDownSent_ = false;
  }
  panel_.TimerToucheclavier.SetEnabled(false);
}

}  // namespace vl
