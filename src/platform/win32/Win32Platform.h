// The real platform: every group of calls on Win32, in one object made by the entry point
// (or by a Windows-side test) on the UI thread.
#pragma once

#include "platform/Platform.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Devices.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32ForeignWindows.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32WindowSystem.h"

namespace vl::win32 {

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(unsigned foreignTimeoutMs = Win32ForeignWindows::kDefaultTimeoutMs)
      : foreign_(foreignTimeoutMs) {}

  ForeignWindows& foreign() override { return foreign_; }
  WindowSystem& windows() override { return windows_; }
  Dialogs& dialogs() override { return dialogs_; }
  Clock& clock() override { return clock_; }
  Keyboard& keyboard() override { return keyboard_; }
  Sound& sound() override { return sound_; }
  Profile& profile() override { return profile_; }
  Files& files() override { return files_; }
  Processes& processes() override { return processes_; }

  [[noreturn]] void EndProgram() override;

 private:
  Win32ForeignWindows foreign_;
  Win32WindowSystem windows_;
  Win32Dialogs dialogs_;
  Win32Clock clock_;
  Win32Keyboard keyboard_;
  Win32Sound sound_;
  Win32Profile profile_;
  Win32Files files_;
  Win32Processes processes_;
};

// The message loop of the entry point: GetMessage, TranslateMessage, DispatchMessage until
// WM_QUIT.
void RunMessageLoop();

}  // namespace vl::win32
