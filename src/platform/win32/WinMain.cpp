// The program's entry point: the real platform, the program over it, and the message loop.
#include <windows.h>

#include "app/Program.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vl::win32::Win32Platform platform;
  vl::RunProgram(platform, [] { vl::win32::RunMessageLoop(); });
  return 0;
}
