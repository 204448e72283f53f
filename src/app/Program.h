// The program's start: builds the application over a platform and loads the main window.
// The platform's entry point calls it, then runs its message loop until the program ends.
#pragma once

#include <functional>

#include "platform/Platform.h"

namespace vl {

// Starts Verdelune over `platform`, runs `messageLoop` (which returns only when the program
// ends), then tears the application down.
void RunProgram(Platform& platform, const std::function<void()>& messageLoop);

}  // namespace vl
