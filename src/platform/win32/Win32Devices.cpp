// GetAsyncKeyState (most significant bit: down now) and sndPlaySoundW with SND_ASYNC (the
// default sound when the file cannot be played).
#include "platform/win32/Win32Devices.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <mmsystem.h>

namespace vl::win32 {

bool Win32Keyboard::IsKeyDown(int virtualKey) {
  return (static_cast<unsigned short>(GetAsyncKeyState(virtualKey)) & 0x8000u) != 0;
}

void Win32Sound::PlayAsync(const std::wstring& wavPath) {
  sndPlaySoundW(wavPath.c_str(), SND_ASYNC);
}

}  // namespace vl::win32
