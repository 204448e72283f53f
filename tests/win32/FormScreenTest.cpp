// What the sample form looks like on the screen, read back from it: the colours of the form,
// its controls, a shape, a line and the emblem; and LetPaint showing a change at once, during
// a pause of the program, without running anything else.
#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/Timer.h"
#include "platform/win32/Colours.h"
#include "platform/win32/Emblem.h"
#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

class FormScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    form.SetAlwaysOnTop();
    form.MoveTo(600, 600);
    vltest::PumpFor(100);  // the first showing's own messages
    form.LetPaint();
    form.events.clear();
  }
  int Px(int twips) const { return vltest::Px(form.Hwnd(), twips); }
  vltest::ScreenGrab GrabClientArea() const {
    RECT r;
    GetClientRect(form.Hwnd(), &r);
    MapWindowPoints(form.Hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return vltest::ScreenGrab(r);
  }
  // A control's rectangle in client pixels of the form.
  RECT Place(const vl::Control& c) const {
    RECT r{Px(c.Left()), Px(c.Top()), Px(c.Left()) + Px(c.Width()), Px(c.Top()) + Px(c.Height())};
    if (c.Container() != nullptr)
      OffsetRect(&r, Px(c.Container()->Left()), Px(c.Container()->Top()));
    return r;
  }

  vl::win32::Win32Platform platform;
  vltest::SampleForm form{platform};
};

TEST_F(FormScreenTest, ColoursOfTheControlsOnTheScreen) {
  const vltest::ScreenGrab grab = GrabClientArea();
  EXPECT_EQ(grab.At(Px(1500), Px(4900)), RGB(0x40, 0x40, 0x40)) << "the form";
  EXPECT_EQ(grab.At(Px(2000), Px(120)), RGB(0, 0x80, 0)) << "the shape's outline";
  const RECT line = Place(form[L"Line1"]);
  EXPECT_EQ(grab.At(line.left, (line.top + line.bottom) / 2), RGB(0, 0, 0xFF))
      << "a line painted by its frame";
  for (const auto& c : form.Controls()) {  // every control given a back colour shows it
    if (c->BackColour() == vl::kDefaultColour) continue;
    const RECT r = Place(*c);
    EXPECT_EQ(grab.At(r.right - 5, (r.top + r.bottom) / 2), vl::win32::ToColorRef(c->BackColour()))
        << std::string(c->Name().begin(), c->Name().end());
  }
  EXPECT_GT(grab.Count(Place(form[L"Label2"]), RGB(0, 0x40, 0)), 10) << "the label's text";
  const RECT picture = Place(form[L"Picture1"]);
  EXPECT_GT(grab.Count(picture, vl::win32::kEmblemGreen),
            (picture.right - picture.left) * (picture.bottom - picture.top) / 20);
  EXPECT_EQ(grab.At(picture.left + 1, picture.top + 1), RGB(0x40, 0x40, 0x40))
      << "a picture without a colour stands on its container's";
}

TEST_F(FormScreenTest, LetPaintShowsAChangeAndRunsNothingElse) {
  vl::Control& label = form[L"Label2"];
  form.Record(label, "label");
  vl::Timer timer(platform.clock(), L"t", 10);
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.SetEnabled(true);
  HWND window = form.WindowOf(label);
  std::thread sender([window] {  // a press sent from another thread waits until this one takes it
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2), SMTO_NORMAL, 5000,
                        &result);
  });
  Sleep(100);  // the pause: the timer falls due and the press waits
  label.SetForeColour(0xFF0000);
  form.LetPaint();
  const vltest::ScreenGrab grab = GrabClientArea();  // no message taken since LetPaint
  EXPECT_GT(grab.Count(Place(label), RGB(255, 0, 0)), 10);
  EXPECT_EQ(grab.Count(Place(label), RGB(0, 0x40, 0)), 0);
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(form.events.empty()) << "the sent press waits for the message loop";
  vltest::PumpUntil([&] { return ticks > 0 && !form.events.empty(); }, 2000);
  sender.join();
  EXPECT_EQ(form.events, (std::vector<std::string>{"label.down:L"}));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  timer.SetEnabled(false);
}

}  // namespace
