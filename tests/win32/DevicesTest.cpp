// The keyboard's key state as the program polls it: a key pressed and released through
// the system's input queue (SendInput), as push-to-talk sees Scroll Lock.
#include <gtest/gtest.h>

#include "platform/win32/Win32Devices.h"
#include "win32/WinTestSupport.h"

namespace {

void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

TEST(Keyboard, SeesAKeyHeldAndReleased) {
  vl::win32::Win32Keyboard keyboard;
  constexpr WORD kKey = VK_F13;  // a key no other test or program here uses
  EXPECT_FALSE(keyboard.IsKeyDown(kKey));
  Key(kKey, false);
  EXPECT_TRUE(vltest::PumpUntil([&] { return keyboard.IsKeyDown(kKey); }, 2000));
  Key(kKey, true);
  EXPECT_TRUE(vltest::PumpUntil([&] { return !keyboard.IsKeyDown(kKey); }, 2000));
}

}  // namespace
