// The program's own windows, in memory: the form's model is what the tests inspect; the
// peer keeps what Windows would (state, position, topmost, pointer, capture, focus).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/WindowSystem.h"

namespace vl {

class FakePlatform;

// Non-client sizes of a fake window, in twips (a 96 dpi window with a caption and a menu).
inline constexpr int kFakeBorder = 60;
inline constexpr int kFakeCaption = 345;
inline constexpr int kFakeMenuBar = 300;

class FakeFormPeer : public FormPeer {
 public:
  FakeFormPeer(FakePlatform& platform, Form& form, WindowHandle handle);
  ~FakeFormPeer() override;

  void ControlChanged(Control&, ControlProperty) override {}
  void MenuChanged(MenuItem&) override {}
  void CaptionChanged() override {}
  void SetState(WindowState state) override;
  WindowState State() const override { return state_; }
  void SetTopmost(bool topmost) override { topmost_ = topmost; }
  Rect Bounds() const override { return bounds_; }
  void MoveTo(int left, int top) override;
  void SetHeight(int height) override { bounds_.height = height; }
  void LetPaint() override { ++paints_; }
  void Focus(Control& control) override { focus_ = &control; }
  bool SetPointerFromFile(const std::wstring& path) override;
  void ResetPointer() override { pointer_.clear(); }
  void CaptureMouse() override { captured_ = true; }
  void ReleaseMouse() override { captured_ = false; }
  WindowHandle Handle() const override { return handle_; }
  void Destroy() override;

  bool Topmost() const { return topmost_; }
  bool Destroyed() const { return destroyed_; }
  int Paints() const { return paints_; }
  Control* FocusedControl() const { return focus_; }
  const std::wstring& Pointer() const { return pointer_; }
  bool Captured() const { return captured_; }
  Form& GetForm() const { return form_; }

 private:
  FakePlatform& platform_;
  Form& form_;
  WindowHandle handle_;
  WindowState state_ = WindowState::Hidden;
  bool topmost_ = false;
  bool destroyed_ = false;
  bool captured_ = false;
  int paints_ = 0;
  Rect bounds_;
  Control* focus_ = nullptr;
  std::wstring pointer_;
};

// A monitor of the fake desktop: its screen and its work area, in twips on the desktop.
struct FakeMonitor {
  Rect screen;
  Rect work;
};

class FakeWindowSystem : public WindowSystem {
 public:
  explicit FakeWindowSystem(FakePlatform& platform) : platform_(platform) {}

  std::unique_ptr<FormPeer> CreatePeer(Form& form) override;
  int ScreenWidth() override { return monitors_.front().screen.width; }
  int ScreenHeight() override { return monitors_.front().screen.height; }
  Rect WorkAreaOf(WindowHandle window) override;

  // Test side. The peer of a loaded form (nullptr when it has none).
  FakeFormPeer* PeerOf(const Form& form) const;
  // The desktop's monitors, the primary first (at 0, 0).
  void SetMonitors(std::vector<FakeMonitor> monitors) { monitors_ = std::move(monitors); }
  // Every living peer, destroyed windows included, in order of creation.
  const std::vector<FakeFormPeer*>& Peers() const { return peers_; }
  void Forget(FakeFormPeer* peer) { std::erase(peers_, peer); }

 private:
  FakePlatform& platform_;
  // One monitor of 1280 x 1024 pixels at 96 dpi, with a taskbar 40 pixels high at the bottom.
  std::vector<FakeMonitor> monitors_{{{0, 0, 19200, 15360}, {0, 0, 19200, 14760}}};
  WindowHandle nextHandle_ = 0x7000;
  std::vector<FakeFormPeer*> peers_;
};

}  // namespace vl
