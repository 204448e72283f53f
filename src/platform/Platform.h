// Everything the program asks of Windows, in one interface. The win32 layer is the real
// thing; the fake one keeps it all in memory with a virtual clock, for the tests.
#pragma once

#include "platform/Clock.h"
#include "platform/Devices.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ForeignWindows.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/WindowSystem.h"

namespace vl {

class Platform {
 public:
  virtual ~Platform() = default;

  virtual ForeignWindows& foreign() = 0;
  virtual WindowSystem& windows() = 0;
  virtual Dialogs& dialogs() = 0;
  virtual Clock& clock() = 0;
  virtual Keyboard& keyboard() = 0;
  virtual Sound& sound() = 0;
  virtual Profile& profile() = 0;
  virtual Files& files() = 0;
  virtual Processes& processes() = 0;

  // Ends the program at once, closing every window: nothing of the program runs after it.
  [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace vl
