// The native window of one form (its FormPeer): a fixed-size top-level window with the
// form's client size, back colour and menu bar, a child window per control, and the user's
// actions sent back to the form and its controls.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/ui/Form.h"
#include "platform/win32/ControlView.h"
#include "platform/win32/FormMenu.h"
#include "platform/win32/ViewHost.h"
#include "platform/win32/Window.h"

namespace vl::win32 {

class Win32WindowSystem;

class FormWindow final : public FormPeer, public ViewHost, private Window {
 public:
  FormWindow(Form& form, Win32WindowSystem& system);
  ~FormWindow() override;

  // FormPeer
  void CaptionChanged() override;
  void SetState(WindowState state) override;
  WindowState State() const override;
  void SetTopmost(bool topmost) override;
  Rect Bounds() const override;
  void MoveTo(int left, int top) override;
  void SetHeight(int height) override;
  void LetPaint() override;
  void Focus(Control& control) override;
  bool SetPointerFromFile(const std::wstring& path) override;
  void ResetPointer() override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  WindowHandle Handle() const override;
  void Destroy() override;
  void ControlChanged(Control& control, ControlProperty what) override;
  void MenuChanged(MenuItem& item) override;

  // ViewHost
  int Dpi() const override { return dpi_; }
  HFONT FontFor(const Font& font) override;
  HWND ContainerWindow(const Control* container) const override;
  COLORREF ContainerBack(const Control* container) const override;
  void PaintShapes(const Control* container, HDC dc) override;

  // The native window of a control; null for shapes and lines.
  HWND ControlWindow(const Control& control) const;
  // The object of a form's window; nullptr for any other window.
  static const FormWindow* Of(HWND hwnd);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void SizeClientArea();
  ControlView& CreateView(Control& control);
  ControlView* ViewOf(const Control* control) const;
  void Paint(HDC dc);
  LRESULT Mouse(UINT message);
  LRESULT Activate(WPARAM wParam, LPARAM lParam);
  LRESULT PointerOver(WPARAM wParam, LPARAM lParam);
  LRESULT DpiChanged(WPARAM wParam, LPARAM lParam);

  Form& form_;
  Win32WindowSystem& system_;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::unique_ptr<FormMenu> menu_;
  std::vector<std::unique_ptr<ControlView>> views_;  // in the order they were made
  std::unordered_map<const Control*, ControlView*> byControl_;
  HCURSOR pointer_ = nullptr;          // loaded from a cursor file, shown over the window
  HWND focusBeforeLeaving_ = nullptr;  // given the focus back when the window is active again
};

}  // namespace vl::win32
