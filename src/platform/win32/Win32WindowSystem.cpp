// Peers for the forms, and the screen's size in twips at the system's DPI (the process is
// DPI aware, so the metrics are real pixels).
#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Dpi.h"
#include "platform/win32/FormWindow.h"

namespace vl::win32 {

std::unique_ptr<FormPeer> Win32WindowSystem::CreatePeer(Form& form) {
  return std::make_unique<FormWindow>(form, *this);
}

int Win32WindowSystem::ScreenWidth() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), DpiOf(nullptr));
}

int Win32WindowSystem::ScreenHeight() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), DpiOf(nullptr));
}

}  // namespace vl::win32
