// The renderer's windows for a form: a client area of the design's size, one native child
// window per control but shapes and lines, with its text, at the pixels its twips give at the
// window's DPI, inside its frame, later controls above earlier ones.
#include <gtest/gtest.h>

#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::ControlKind;

class FormLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  int Px(int twips) const { return vltest::Px(form.Hwnd(), twips); }

  vl::win32::Win32Platform platform;
  vltest::SampleForm form{platform};
};

TEST_F(FormLayoutTest, EveryControlButShapesHasAWindowWithItsTextAtItsTwips) {
  RECT client;
  ASSERT_TRUE(GetClientRect(form.Hwnd(), &client));
  EXPECT_EQ(client.right, Px(4260)) << "the caption, the menu bar and the border come outside";
  EXPECT_EQ(client.bottom, Px(5190));
  for (const auto& c : form.Controls()) {
    SCOPED_TRACE(std::string(c->Name().begin(), c->Name().end()));
    HWND window = form.WindowOf(*c);
    if (c->Kind() == ControlKind::Shape || c->Kind() == ControlKind::Line) {
      EXPECT_EQ(window, nullptr);
      continue;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(vltest::TextOf(window), c->Text());
    HWND parent = c->Container() != nullptr ? form.WindowOf(*c->Container()) : form.Hwnd();
    EXPECT_EQ(GetParent(window), parent);
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, Px(c->Left()));
    EXPECT_EQ(r.top, Px(c->Top()));
    EXPECT_EQ(r.right - r.left, Px(c->Width()));
    EXPECT_EQ(r.bottom - r.top, Px(c->Height()));
  }
}

TEST_F(FormLayoutTest, ALaterControlLiesAboveAnEarlierOne) {
  for (HWND parent : {form.Hwnd(), form.WindowOf(form[L"Frame2"])}) {
    std::vector<HWND> topFirst, designOrderReversed;
    for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
      topFirst.push_back(w);
    for (const auto& c : form.Controls()) {
      HWND window = form.WindowOf(*c);
      if (window != nullptr && GetParent(window) == parent)
        designOrderReversed.insert(designOrderReversed.begin(), window);
    }
    EXPECT_EQ(topFirst, designOrderReversed);
  }
}

}  // namespace
