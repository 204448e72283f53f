// The keyboard's asynchronous key state and the asynchronous WAV player.
#pragma once

#include "platform/Devices.h"

namespace vl::win32 {

class Win32Keyboard final : public Keyboard {
 public:
  bool IsKeyDown(int virtualKey) override;
};

class Win32Sound final : public Sound {
 public:
  void PlayAsync(const std::wstring& wavPath) override;
};

}  // namespace vl::win32
