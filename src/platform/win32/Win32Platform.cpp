// Ending the program, and its message loop.
#include "platform/win32/Win32Platform.h"

#include <windows.h>

namespace vl::win32 {

void Win32Platform::EndProgram() {
  // The process ends here, with its windows: no handler, timer or destructor of the
  // program runs after this call, so the memory the client lent goes back first.
  foreign_.GiveBack();
  ExitProcess(0);
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace vl::win32
