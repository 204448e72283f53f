#include "app/Program.h"

#include "app/App.h"

namespace vl {

void RunProgram(Platform& platform, const std::function<void()>& messageLoop) {
  App app(platform);
  app.Start();
  messageLoop();
}

}  // namespace vl
