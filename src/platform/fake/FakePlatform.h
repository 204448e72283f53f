// The platform in memory, for the native tests. Every event a test fires goes through
// Deliver, so that the end of the program is final: a handler that ends it stops there, and
// nothing runs afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Platform.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDesktop.h"
#include "platform/fake/FakeDevices.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeProfile.h"
#include "platform/fake/FakeWindowSystem.h"

namespace vl {

class Control;
class Form;
class MenuItem;

class FakePlatform : public Platform {
 public:
  FakePlatform();

  ForeignWindows& foreign() override { return desktop_; }
  WindowSystem& windows() override { return windows_; }
  Dialogs& dialogs() override { return dialogs_; }
  Clock& clock() override { return clock_; }
  Keyboard& keyboard() override { return keyboard_; }
  Sound& sound() override { return sound_; }
  Profile& profile() override { return profile_; }
  Files& files() override { return profile_; }
  Processes& processes() override { return processes_; }
  [[noreturn]] void EndProgram() override;

  // Test side.
  FakeDesktop& desktop() { return desktop_; }
  FakeClock& fakeClock() { return clock_; }
  FakeDialogs& fakeDialogs() { return dialogs_; }
  FakeProfile& fakeProfile() { return profile_; }
  FakeProcesses& fakeProcesses() { return processes_; }
  FakeKeyboard& fakeKeyboard() { return keyboard_; }
  FakeSound& fakeSound() { return sound_; }
  FakeWindowSystem& fakeWindows() { return windows_; }

  bool Ended() const { return endedAt_.has_value(); }
  std::optional<std::uint64_t> EndedAt() const { return endedAt_; }

  // Runs one event of the program. False when the program has already ended.
  bool Deliver(const std::function<void()>& event);
  void Advance(int ms) { clock_.Advance(ms); }
  bool Click(Control& control);
  bool DblClick(Control& control);
  bool MouseDown(Control& control, MouseButton button = MouseButton::Left);
  bool MouseUp(Control& control, MouseButton button = MouseButton::Left);
  // Mouse down then up, as a user's press and release.
  bool Press(Control& control, MouseButton button = MouseButton::Left);
  bool KeyDown(Control& control, int keyCode);
  bool Type(Control& control, const std::wstring& text);
  // One character typed, as the caret at the end of the text: the character event, then
  // the text edited as a plain edit box does (Backspace deletes, other control characters
  // write nothing).
  bool TypeChar(Control& control, wchar_t character);
  bool Focus(Control& control);
  bool ChooseMenu(MenuItem& item);
  bool Activate(Form& form);
  bool Close(Form& form);
  bool MouseDownOn(Form& form, MouseButton button = MouseButton::Left);
  bool MouseUpOn(Form& form, MouseButton button = MouseButton::Left);

 private:
  FakeClock clock_;
  FakeDesktop desktop_;
  FakeWindowSystem windows_;
  FakeDialogs dialogs_;
  FakeKeyboard keyboard_;
  FakeSound sound_;
  FakeProfile profile_;
  FakeProcesses processes_;
  std::optional<std::uint64_t> endedAt_;
  int depth_ = 0;
};

}  // namespace vl
