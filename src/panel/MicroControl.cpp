#include "panel/MicroControl.h"

#include "panel/Reglages.h"

namespace vl {

MicroControl::MicroControl(const WindowContext& ctx, Reglages& panel, const PanelControls& c)
    : ctx_(ctx), panel_(panel), ReyCommand17_(c.ReyCommand17) {
  ReyCommand17_.onClick = [this] { ReyCommand17_Click(); };
  panel.PriseMicro.onTick = [this] { PriseMicro_Tick(); };
  panel.AttenteLacheMicro.onTick = [this] { AttenteLacheMicro_Tick(); };
  panel.TimerToucheclavier.onTick = [this] { TimerToucheclavier_Tick(); };
}

bool MicroControl::MicroOccupe() {
  ForeignWindows& windows = ctx_.platform.foreign();
  return !(windows.IsEnabled(ctx_.records.room.MicButtonWindow1) &&
           windows.IsEnabled(ctx_.records.room.MicButtonWindow2));
}

bool MicroControl::PrendreMicro() {
  if (MicroOccupe()) return true;
  ForeignWindows& windows = ctx_.platform.foreign();
  for (int round = 0; round < kTakeRounds; ++round) {
    windows.ButtonDown(ctx_.records.room.MicButtonWindow1);
    windows.ButtonUp(ctx_.records.room.MicButtonWindow1);
    if (MicroOccupe()) return true;
    ctx_.platform.clock().Sleep(kTakeRoundWaitMs);
    if (MicroOccupe()) return true;
  }
  return false;
}

void MicroControl::AppuiMicro() {
  ctx_.platform.foreign().ButtonDown(ctx_.records.room.MicButtonWindow2);
}

void MicroControl::RelacheMicro() {
  ForeignWindows& windows = ctx_.platform.foreign();
  windows.ButtonDown(ctx_.records.room.MicButtonWindow2);
  ctx_.platform.clock().Sleep(kPushReleasePauseMs);
  windows.ButtonUp(ctx_.records.room.MicButtonWindow2);
}

bool MicroControl::ScrollLockDown() {
  return ctx_.platform.keyboard().IsKeyDown(kKeyScrollLock);
}

void MicroControl::ReyCommand17_Click() {
  panel_.PriseMicro.SetEnabled(true);
  ReyCommand17_.SetText(kMicroWaitingCaption);
}

void MicroControl::PriseMicro_Tick() {
  if (MicroOccupe()) return;
  panel_.PriseMicro.SetEnabled(false);
  if (!PrendreMicro()) {
    // The room did not give the microphone: the request ends, ready to be made again.
    BackToIdle(kMicroCaption);
    return;
  }
  ReyCommand17_.SetEnabled(false);
  ReyCommand17_.SetText(kMicroCaption);
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
  ReyCommand17_.SetText(std::to_wstring(kCountdownSeconds + 1 - countdown_));
  if (countdown_ > kCountdownSeconds) {
    countdown_ = 0;
    countdownActive_ = false;
    BackToIdle(kMicroCaptionAfterCountdown);
  }
}

void MicroControl::BackToIdle(const std::wstring& caption) {
  ReyCommand17_.SetEnabled(true);
  ReyCommand17_.SetText(caption);
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
