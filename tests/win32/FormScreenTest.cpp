// What the sample form looks like on the screen, read back from it: the colours of the form,
// its controls (the owner-drawn ones too), a shape, a line and the emblem, which the screen
// audit does not check; and LetPaint showing a change at once, during a pause of the program,
// without running anything else.
#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/Timer.h"
#include "platform/win32/Colours.h"
#include "platform/win32/Emblem.h"
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
  vltest::Bitmap GrabClientArea() const {
    RECT r;
    GetClientRect(form.Hwnd(), &r);
    MapWindowPoints(form.Hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return vltest::Bitmap(r);
  }
  // A control's rectangle in client pixels of the form, from its twips.
  RECT Place(const vl::Control& c) const {
    auto px = [this](int twips) { return MulDiv(twips, GetDpiForWindow(form.Hwnd()), 1440); };
    const vl::Control* in = c.Container();
    const int x = in != nullptr ? in->Left() : 0, y = in != nullptr ? in->Top() : 0;
    return {px(x + c.Left()), px(y + c.Top()), px(x + c.Left() + c.Width()),
            px(y + c.Top() + c.Height())};
  }

  vl::win32::Win32Platform platform;
  vltest::SampleForm form{platform};
};

TEST_F(FormScreenTest, ColoursOfTheControlsOnTheScreen) {
  const vltest::Bitmap grab = GrabClientArea();
  const RECT line = Place(form[L"Line1"]), shape = Place(form[L"Shape1"]),
             picture = Place(form[L"Picture1"]);
  EXPECT_EQ(grab.At(shape.left + 20, shape.bottom - 10), RGB(0x40, 0x40, 0x40)) << "the form";
  EXPECT_EQ(grab.At(shape.left + 100, shape.top), RGB(0, 0x80, 0)) << "the shape's outline";
  EXPECT_EQ(grab.At(line.left, (line.top + line.bottom) / 2), RGB(0, 0, 0xFF))
      << "a line painted by its frame";
  for (const auto& c : form.Controls()) {  // every control given a back colour shows it
    if (c->BackColour() == vl::kDefaultColour) continue;
    const RECT r = Place(*c);
    EXPECT_EQ(grab.At(r.right - 5, (r.top + r.bottom) / 2), vl::win32::ToColorRef(c->BackColour()))
        << std::string(c->Name().begin(), c->Name().end());
  }
  EXPECT_GT(grab.Count(Place(form[L"Label2"]), RGB(0, 0x40, 0)), 10) << "the label's text";
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
  const vltest::Bitmap grab = GrabClientArea();  // no message taken since LetPaint
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
