// What the sample form looks like on the screen: colours read back from the screen for the
// form, a button face, labels, a frame, a text box, a check box, shapes, lines and the
// emblem; the disabled and pressed looks. Leaves a screenshot, sample-form.bmp, in the test's
// working folder for a person to look at.
#include <gtest/gtest.h>

#include "platform/win32/Colours.h"
#include "platform/win32/Emblem.h"
#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::win32::ToColorRef;
using vltest::SampleForm;
namespace sample = vltest::sample;

class FormScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    form.SetTopmost(true);
    form.MoveTo(600, 600);
    vltest::PumpFor(100);  // the first showing's own messages
    Repaint();
  }
  // No message is pumped after LetPaint: what it paints must be on the screen at once (under
  // a pause of the program nothing else would show it).
  void Repaint() { form.LetPaint(); }
  int Px(int twips) const {
    return MulDiv(twips, static_cast<int>(GetDpiForWindow(form.Hwnd())), 1440);
  }
  // The client area on the screen.
  RECT ClientOnScreen() const {
    RECT r;
    GetClientRect(form.Hwnd(), &r);
    MapWindowPoints(form.Hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // A control's rectangle in client pixels of the form.
  RECT Place(const vl::Control& c) const {
    RECT r{Px(c.Left()), Px(c.Top()), Px(c.Left()) + Px(c.Width()), Px(c.Top()) + Px(c.Height())};
    if (c.Container() != nullptr) {
      OffsetRect(&r, Px(c.Container()->Left()), Px(c.Container()->Top()));
    }
    return r;
  }

  vl::win32::Win32Platform platform;
  SampleForm form{platform};
};

TEST_F(FormScreenTest, ColoursOfTheControlsOnTheScreen) {
  vltest::ScreenGrab grab(ClientOnScreen());
  const RECT button = Place(form.button), label = Place(form.target), frame = Place(form.frame);
  const RECT edit = Place(form.edit), check = Place(form.check), picture = Place(form.picture);
  const RECT line = Place(form.line);

  EXPECT_EQ(grab.At(Px(1500), Px(4900)), ToColorRef(sample::kFormBack));
  EXPECT_EQ(grab.At(Px(2000), Px(120)), ToColorRef(sample::kShapeBorder)) << "shape outline";
  EXPECT_EQ(grab.At(button.left + 5, (button.top + button.bottom) / 2),
            ToColorRef(sample::kButtonFace));
  EXPECT_EQ(grab.At(label.right - 3, label.bottom - 3), ToColorRef(sample::kLabelBack));
  EXPECT_GT(grab.Count(label, ToColorRef(sample::kLabelFore)), 10) << "the label's text";
  EXPECT_EQ(grab.At(frame.right - 6, frame.bottom - 10), ToColorRef(sample::kFrameBack));
  EXPECT_EQ(grab.At(line.left, (line.top + line.bottom) / 2), ToColorRef(sample::kLineBorder))
      << "a line painted by its frame";
  EXPECT_EQ(grab.At(edit.right - 5, (edit.top + edit.bottom) / 2), ToColorRef(sample::kEditBack));
  EXPECT_EQ(grab.At(check.right - 3, (check.top + check.bottom) / 2),
            ToColorRef(sample::kCheckBack));
  const int area = (picture.right - picture.left) * (picture.bottom - picture.top);
  EXPECT_GT(grab.Count(picture, vl::win32::kEmblemGreen), area / 20) << "the emblem";
  EXPECT_EQ(grab.At(picture.left + 1, picture.top + 1), ToColorRef(sample::kFormBack))
      << "a picture without a colour stands on its container's";

  RECT whole;
  GetWindowRect(form.Hwnd(), &whole);
  EXPECT_TRUE(vltest::ScreenGrab(whole).SaveBmp(L"sample-form.bmp"));
}

TEST_F(FormScreenTest, ADisabledLabelIsGreyed) {
  const RECT label = Place(form.disabled);
  const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
  EXPECT_GT(vltest::ScreenGrab(ClientOnScreen()).Count(label, grey), 5);
  form.disabled.SetEnabled(true);
  Repaint();
  vltest::ScreenGrab enabled(ClientOnScreen());
  EXPECT_EQ(enabled.Count(label, grey), 0);
  EXPECT_GT(enabled.Count(label, RGB(255, 255, 255)), 5) << "its own white text";
}

TEST_F(FormScreenTest, APressedButtonLooksSunken) {
  const RECT button = Place(form.button);
  HWND window = form.WindowOf(form.button);
  EXPECT_EQ(vltest::ScreenGrab(ClientOnScreen()).At(button.left, button.top + 5),
            GetSysColor(COLOR_3DLIGHT));
  SendMessageW(window, BM_SETSTATE, TRUE, 0);
  Repaint();
  EXPECT_EQ(vltest::ScreenGrab(ClientOnScreen()).At(button.left, button.top + 5),
            GetSysColor(COLOR_3DSHADOW));
  SendMessageW(window, BM_SETSTATE, FALSE, 0);
}

TEST_F(FormScreenTest, ColourChangesShowAfterLetPaint) {
  const RECT label = Place(form.target);
  form.target.SetForeColour(0xFF0000);
  Repaint();
  vltest::ScreenGrab grab(ClientOnScreen());
  EXPECT_GT(grab.Count(label, RGB(255, 0, 0)), 10);
  EXPECT_EQ(grab.Count(label, ToColorRef(sample::kLabelFore)), 0);
}

}  // namespace
