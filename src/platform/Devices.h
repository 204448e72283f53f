// The keyboard and the sound card, as far as the program uses them.
#pragma once

#include <string>

namespace vl {

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // GetAsyncKeyState: true when the most significant bit is set (the key is down now).
  virtual bool IsKeyDown(int virtualKey) = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts playing the WAV file and returns at once; a missing or unreadable file plays the
  // system's default sound instead.
  virtual void PlayAsync(const std::wstring& wavPath) = 0;
};

}  // namespace vl
