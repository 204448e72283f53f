// The form's window with the real display: showing brings it to the front and activates
// it, states, topmost, bounds in twips, focus, the pointer from a cursor file, the mouse
// capture with the real mouse, LetPaint running nothing else, and the window under a point.
#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/Timer.h"
#include "platform/win32/Win32ForeignWindows.h"
#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

using Events = std::vector<std::string>;
using vltest::SampleForm;

class FormWindowTest : public ::testing::Test {
 protected:
  int Px(int twips) const {
    return MulDiv(twips, static_cast<int>(GetDpiForWindow(form.Hwnd())), 1440);
  }
  static void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
  }

  vl::win32::Win32Platform platform;
  SampleForm form{platform};
};

TEST_F(FormWindowTest, ShowingBringsTheWindowToTheFrontAndActivatesIt) {
  form.Show();
  vltest::PumpFor(100);
  EXPECT_EQ(form.State(), vl::WindowState::Normal);
  EXPECT_TRUE(IsWindowVisible(form.Hwnd()));
  EXPECT_EQ(GetForegroundWindow(), form.Hwnd());
  EXPECT_EQ(form.events, (Events{"activate"}));

  form.Minimize();
  EXPECT_EQ(form.State(), vl::WindowState::Minimized);
  EXPECT_TRUE(IsIconic(form.Hwnd()));
  form.ShowNormal();
  EXPECT_EQ(form.State(), vl::WindowState::Normal);
  EXPECT_FALSE(IsIconic(form.Hwnd()));
  form.Hide();
  EXPECT_EQ(form.State(), vl::WindowState::Hidden);
  EXPECT_FALSE(IsWindowVisible(form.Hwnd()));
}

TEST_F(FormWindowTest, TopmostOnAndOff) {
  form.Show();
  form.SetTopmost(true);
  EXPECT_TRUE(GetWindowLongPtrW(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  form.SetTopmost(false);
  EXPECT_FALSE(GetWindowLongPtrW(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormWindowTest, BoundsAreTheOuterWindowInTwips) {
  form.Show();
  form.MoveTo(1500, 3000);
  RECT r;
  GetWindowRect(form.Hwnd(), &r);
  EXPECT_EQ(r.left, Px(1500));
  EXPECT_EQ(r.top, Px(3000));
  const vl::Rect b = form.Bounds();
  EXPECT_EQ(b.left, 1500);
  EXPECT_EQ(b.top, 3000);
  EXPECT_EQ(Px(b.width), r.right - r.left);
  EXPECT_GT(b.height, form.ClientHeight()) << "the caption and the menu count";
  form.SetHeight(3000);
  GetWindowRect(form.Hwnd(), &r);
  EXPECT_EQ(r.bottom - r.top, Px(3000));
  EXPECT_EQ(r.left, Px(1500)) << "a new height does not move the window";
}

TEST_F(FormWindowTest, ActivationFocusAndItsReturn) {
  vltest::TestForm other(platform, {L"Other", L"Autre", 2000, 1000, vl::kDefaultColour});
  form.Record(form.edit, "edit");
  form.Show();
  form.Focus(form.edit);
  EXPECT_EQ(GetFocus(), form.WindowOf(form.edit));
  other.Show();
  vltest::PumpFor(100);
  EXPECT_EQ(GetForegroundWindow(), other.Hwnd());
  SetForegroundWindow(form.Hwnd());
  vltest::PumpFor(100);
  EXPECT_EQ(GetFocus(), form.WindowOf(form.edit)) << "the focus comes back to the text box";
  EXPECT_EQ(form.events, (Events{"activate", "edit.focus", "edit.focus", "activate"}));
  EXPECT_EQ(other.events, (Events{"activate"}));
}

TEST_F(FormWindowTest, PointerFromACursorFile) {
  vltest::TempFolder folder;
  const std::wstring cursor = folder.File(L"H_MOVE.CUR");
  ASSERT_TRUE(vltest::WriteCursorFile(cursor));
  form.Show();
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  SetCursor(arrow);
  EXPECT_FALSE(form.SetPointerFromFile(folder.File(L"missing.cur")));
  EXPECT_EQ(GetCursor(), arrow) << "the pointer stays as it is";

  ASSERT_TRUE(form.SetPointerFromFile(cursor));
  HCURSOR hand = GetCursor();
  EXPECT_NE(hand, arrow);
  EXPECT_NE(hand, nullptr);
  // Over the window and over its controls, the window's pointer is shown.
  SetCursor(arrow);
  HWND label = form.WindowOf(form.target);
  EXPECT_TRUE(SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), hand);
  form.ResetPointer();
  EXPECT_EQ(GetCursor(), arrow);
}

TEST_F(FormWindowTest, WhileCapturedTheReleaseComesBackFromAnywhere) {
  form.Show();
  form.SetTopmost(true);
  vltest::PumpFor(100);
  RECT r;
  GetWindowRect(form.Hwnd(), &r);
  POINT inside{r.left + Px(1500), r.bottom - Px(300)};  // on the window itself
  SetCursorPos(inside.x, inside.y);
  Mouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(vltest::PumpUntil(
      [&] { return !form.events.empty() && form.events.back() == "down:L"; }, 2000));
  form.CaptureMouse();
  EXPECT_EQ(GetCapture(), form.Hwnd());
  SetCursorPos(r.right + 200, r.bottom + 50);  // far from the window
  Mouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(vltest::PumpUntil([&] { return form.events.back() == "up:L"; }, 2000));
  form.ReleaseMouse();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FormWindowTest, LetPaintRunsNoHandler) {
  form.Show();
  form.Record(form.target, "label");
  vltest::PumpFor(100);
  form.events.clear();
  vl::Timer timer(platform.clock(), L"t", 10);
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.SetEnabled(true);
  // Another thread sends a press to the label: it waits until this thread takes it.
  HWND label = form.WindowOf(form.target);
  std::thread sender([label] {
    DWORD_PTR result;
    SendMessageTimeoutW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2), SMTO_NORMAL, 5000,
                        &result);
  });
  Sleep(100);  // the timer falls due and the press waits
  form.target.SetText(L"repainted");
  form.LetPaint();
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(form.events.empty()) << "the sent press waits for the message loop";
  RECT update;
  EXPECT_FALSE(GetUpdateRect(label, &update, FALSE)) << "painted now";
  vltest::PumpUntil([&] { return ticks > 0 && !form.events.empty(); }, 2000);
  sender.join();
  EXPECT_GT(ticks, 0);
  EXPECT_EQ(form.events, (Events{"label.down:L"}));
  SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  timer.SetEnabled(false);
}

TEST_F(FormWindowTest, TheWindowUnderAPointAndThePointer) {
  form.Show();
  form.SetTopmost(true);
  vltest::PumpFor(100);
  vl::win32::Win32ForeignWindows foreign;
  RECT label;
  GetWindowRect(form.WindowOf(form.target), &label);
  const vl::Point centre{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  EXPECT_EQ(foreign.WindowAtPoint(centre),
            reinterpret_cast<vl::WindowHandle>(form.WindowOf(form.target)));
  SetCursorPos(centre.x, centre.y);
  EXPECT_EQ(foreign.CursorPosition(), centre);
}

}  // namespace
