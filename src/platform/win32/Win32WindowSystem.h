// The program's own windows on Win32: a FormWindow per form, and the fonts they share.
#pragma once

#include "platform/WindowSystem.h"
#include "platform/win32/FontCache.h"

namespace vl::win32 {

class Win32WindowSystem final : public WindowSystem {
 public:
  std::unique_ptr<FormPeer> CreatePeer(Form& form) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  Rect WorkAreaOf(WindowHandle window) override;

  FontCache& Fonts() { return fonts_; }

 private:
  FontCache fonts_;
};

}  // namespace vl::win32
