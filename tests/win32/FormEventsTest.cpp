// The user's actions on a form's windows come back to the form and its controls, in the
// order the program's windows expect. Messages are sent to hidden windows, so these tests
// need neither the real mouse nor the focus.
#include <gtest/gtest.h>

#include <windowsx.h>

#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

using Events = std::vector<std::string>;
using vltest::SampleForm;

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

// The events without the form's activations: a press on a control of a hidden window
// activates it, which these tests do not look at.
Events WithoutActivation(const Events& events) {
  Events kept;
  for (const auto& e : events) {
    if (e != "activate") kept.push_back(e);
  }
  return kept;
}

class FormEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Load();
    for (vl::Control* c :
         {&form.target, &form.button, &form.edit, &form.check, &form.frameButton, &form.disabled}) {
      form.Record(*c, std::string(c->Name().begin(), c->Name().end()));
    }
  }
  LRESULT Send(const vl::Control& c, UINT message, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageW(form.WindowOf(c), message, w, l);
  }

  vl::win32::Win32Platform platform;
  SampleForm form{platform};
};

TEST_F(FormEventsTest, LabelClickAndDoubleClickArriveInOrder) {
  Send(form.target, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  Send(form.target, WM_LBUTTONUP, 0, At(5, 5));
  Send(form.target, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
  Send(form.target, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(form.events, (Events{"Label2.down:L", "Label2.up:L", "Label2.click", "Label2.dblclick",
                                 "Label2.up:L"}));
}

TEST_F(FormEventsTest, LabelOtherButtonsAndReleasesOutsideGiveNoClick) {
  Send(form.target, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  Send(form.target, WM_RBUTTONUP, 0, At(5, 5));
  Send(form.target, WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5));
  Send(form.target, WM_MBUTTONUP, 0, At(5, 5));
  Send(form.target, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  Send(form.target, WM_LBUTTONUP, 0, At(-20, 5));  // let go beside the label
  EXPECT_EQ(form.events, (Events{"Label2.down:R", "Label2.up:R", "Label2.down:M", "Label2.up:M",
                                 "Label2.down:L", "Label2.up:L"}));
  EXPECT_EQ(GetCapture(), nullptr) << "the label gives the mouse back on the release";
}

TEST_F(FormEventsTest, ADisabledLabelTakesNoMouseInput) {
  EXPECT_FALSE(IsWindowEnabled(form.WindowOf(form.disabled)));
  Send(form.disabled, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  Send(form.disabled, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_TRUE(form.events.empty());
}

TEST_F(FormEventsTest, ButtonsAndCheckBoxesClick) {
  Send(form.button, BM_CLICK);
  Send(form.frameButton, BM_CLICK);  // reflected by the frame, not the form
  EXPECT_EQ(WithoutActivation(form.events), (Events{"ReyCommand1.click", "ReyCommand2.click"}));

  form.events.clear();
  HWND check = form.WindowOf(form.check);
  Send(form.check, BM_CLICK);
  EXPECT_TRUE(form.check.Checked());
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  Send(form.check, BM_CLICK);
  EXPECT_FALSE(form.check.Checked());
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(WithoutActivation(form.events), (Events{"Check1.click", "Check1.click"}));
}

TEST_F(FormEventsTest, AButtonDoubleClickIsTwoClicks) {
  Send(form.button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  Send(form.button, WM_LBUTTONUP, 0, At(5, 5));
  Send(form.button, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
  Send(form.button, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(WithoutActivation(form.events), (Events{"ReyCommand1.click", "ReyCommand1.click"}));
}

TEST_F(FormEventsTest, TextBoxKeysMouseAndTyping) {
  Send(form.edit, WM_KEYDOWN, 'A', 0);
  Send(form.edit, WM_KEYDOWN, VK_RETURN, 0);
  Send(form.edit, WM_MBUTTONDOWN, MK_MBUTTON, At(3, 3));
  Send(form.edit, WM_MBUTTONUP, 0, At(3, 3));
  Send(form.edit, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
  Send(form.edit, WM_LBUTTONUP, 0, At(3, 3));
  EXPECT_EQ(WithoutActivation(form.events),
            (Events{"PseudoManu.key:65", "PseudoManu.key:13", "PseudoManu.down:M",
                    "PseudoManu.focus", "PseudoManu.down:L"}))
      << "a press into the box gives it the focus first";

  // What the user types becomes the control's text; Enter types nothing.
  Send(form.edit, EM_SETSEL, 5, 5);
  Send(form.edit, WM_CHAR, L'!', 1);
  Send(form.edit, WM_CHAR, L'\r', 1);
  EXPECT_EQ(form.edit.Text(), L"Alice!");
  EXPECT_EQ(vltest::TextOf(form.WindowOf(form.edit)), L"Alice!");
  // The program's own text replaces it and is not taken for typing.
  form.edit.SetText(L"\u00c9lodie");
  EXPECT_EQ(vltest::TextOf(form.WindowOf(form.edit)), L"\u00c9lodie");
  EXPECT_EQ(form.edit.Text(), L"\u00c9lodie");
}

TEST_F(FormEventsTest, AKeyHandlerMayUnloadTheFormUnderTheKey) {
  form.edit.onKeyDown = [this](int) { form.Unload(); };
  HWND window = form.Hwnd();
  Send(form.edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormEventsTest, MenuCommandsReachTheirItems) {
  int greet = 0, pause = 0;
  form.greet.onClick = [&] { ++greet; };
  form.pause.onClick = [&] { ++pause; };
  HMENU bar = GetMenu(form.Hwnd());
  const UINT greetId = GetMenuItemID(GetSubMenu(bar, 0), 0);
  const UINT pauseId = GetMenuItemID(bar, 1);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(greetId, 0), 0);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(pauseId, 0), 0);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(pauseId, 0), 0);
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(9999, 0), 0);
  EXPECT_EQ(greet, 1);
  EXPECT_EQ(pause, 2);
}

TEST_F(FormEventsTest, TheCloseBoxAsksTheForm) {
  HWND window = form.Hwnd();
  form.allowClose = false;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window)) << "a refused close leaves the window";
  EXPECT_TRUE(form.Loaded());
  form.allowClose = true;
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(form.Unloaded());
  EXPECT_EQ(form.events, (Events{"close?", "close?"}));
}

TEST_F(FormEventsTest, MouseOnTheWindowItselfAndActivation) {
  SendMessageW(form.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
  SendMessageW(form.Hwnd(), WM_LBUTTONUP, 0, At(2, 2));
  SendMessageW(form.Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, At(2, 2));
  SendMessageW(form.Hwnd(), WM_RBUTTONUP, 0, At(2, 2));
  SendMessageW(form.Hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
  SendMessageW(form.Hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
  SendMessageW(form.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);  // the same window again: no event
  EXPECT_EQ(form.events, (Events{"down:L", "up:L", "down:R", "up:R", "activate"}));
}

TEST_F(FormEventsTest, ActivationCountsWhenComingFromAnotherWindowOfTheProgram) {
  vltest::TestForm other(platform, {L"Other", L"Autre", 2000, 1000, vl::kDefaultColour});
  other.Load();
  SendMessageW(form.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  SendMessageW(other.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  SendMessageW(form.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(form.events, (Events{"activate", "activate"}));
  EXPECT_EQ(other.events, (Events{"activate"}));
}

}  // namespace
