// The user's actions on a form's windows come back to the form and its controls, in the
// order the program's windows expect. Messages are sent to hidden windows, so these tests
// need neither the real mouse nor the focus.
#include <gtest/gtest.h>

#include <tuple>

#include "win32/WinTestSupport.h"

namespace {

using Message = std::tuple<UINT, WPARAM, LPARAM>;
constexpr LPARAM kIn = MAKELPARAM(2, 2);
constexpr Message kLDown{WM_LBUTTONDOWN, MK_LBUTTON, kIn}, kLUp{WM_LBUTTONUP, 0, kIn},
    kLDouble{WM_LBUTTONDBLCLK, MK_LBUTTON, kIn}, kLUpBeside{WM_LBUTTONUP, 0, MAKELPARAM(-20, 2)},
    kRDown{WM_RBUTTONDOWN, MK_RBUTTON, kIn}, kRUp{WM_RBUTTONUP, 0, kIn},
    kMDown{WM_MBUTTONDOWN, MK_MBUTTON, kIn}, kMUp{WM_MBUTTONUP, 0, kIn}, kClick{BM_CLICK, 0, 0},
    kKeyA{WM_KEYDOWN, 'A', 0}, kEnter{WM_KEYDOWN, VK_RETURN, 0};

// Messages sent to one control (or to the form's own window) and the events that follow,
// the control's as "c.".
struct Case {
  const wchar_t* control;  // nullptr: the form's window itself
  std::vector<Message> messages;
  std::string expected;
};
const Case kCases[] = {
    {L"Label2", {kLDown, kLUp, kLDouble, kLUp}, "c.down:L c.up:L c.click c.dblclick c.up:L"},
    {L"Label2",  // other buttons, and a release beside the label, give no click
     {kRDown, kRUp, kMDown, kMUp, kLDown, kLUpBeside},
     "c.down:R c.up:R c.down:M c.up:M c.down:L c.up:L"},
    {L"Label3", {kLDown, kLUp}, ""},  // disabled
    {L"ReyCommand1", {kLDown, kLUp, kLDouble, kLUp}, "c.click c.click"},
    {L"ReyCommand2", {kClick}, "c.click"},  // reflected by its frame
    {L"Check1", {kClick, kClick}, "c.click c.click"},
    {L"PseudoManu",  // a press into the box gives it the focus first
     {kKeyA, kEnter, kMDown, kMUp, kLDown, kLUp},
     "c.key:65 c.key:13 c.down:M c.focus c.down:L"},
    {nullptr, {kLDown, kLUp, kRDown, kRUp}, "down:L up:L down:R up:R"},
};

class FormEventsTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  vl::win32::Win32Platform platform;
  vltest::SampleForm form{platform};
};

TEST(FormEvents, MessagesBecomeTheEventsInOrder) {
  vl::win32::Win32Platform platform;
  for (const Case& c : kCases) {
    vltest::SampleForm form(platform);  // a fresh one: no capture or focus left by another
    form.Load();
    if (c.control != nullptr) form.Record(form[c.control], "c");
    for (const auto& [id, w, l] : c.messages)
      SendMessageW(c.control ? form.WindowOf(form[c.control]) : form.Hwnd(), id, w, l);
    std::string seen;
    for (const auto& e : form.events)
      seen += (seen.empty() ? "" : " ") + e;
    EXPECT_EQ(seen, c.expected) << "case " << (&c - kCases);
    EXPECT_EQ(GetCapture(), nullptr) << "case " << (&c - kCases) << ": the mouse is given back";
  }
}

TEST_F(FormEventsTest, ACheckBoxTurnsItsOwnMark) {
  HWND box = form.WindowOf(form[L"Check1"]);
  for (bool checked : {true, false}) {
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_EQ(form[L"Check1"].Checked(), checked);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), checked ? BST_CHECKED : BST_UNCHECKED);
  }
}

TEST_F(FormEventsTest, TypingBecomesTheTextEnterTypesNothingAndItsHandlerMayUnload) {
  vl::Control& edit = form[L"PseudoManu"];
  HWND box = form.WindowOf(edit), window = form.Hwnd();
  SendMessageW(box, EM_SETSEL, 5, 5);
  for (wchar_t typed : {L'!', L'\r'})
    SendMessageW(box, WM_CHAR, typed, 1);
  EXPECT_EQ(edit.Text() + L"|" + vltest::TextOf(box), L"Alice!|Alice!");
  edit.SetText(L"\u00c9lodie");  // the program's own text, not taken for typing
  EXPECT_EQ(edit.Text() + L"|" + vltest::TextOf(box), L"\u00c9lodie|\u00c9lodie");
  // Each character but Enter reaches the control before the edit writes it, control ones too.
  std::wstring chars;
  edit.onChar = [&](wchar_t c) {
    chars += c;
    edit.SetText(L"");
  };
  for (wchar_t typed : {L'\x03', L'x', L'\r'})
    SendMessageW(box, WM_CHAR, typed, 1);
  EXPECT_EQ(chars + L"|" + edit.Text() + L"|" + vltest::TextOf(box), L"\x03x|x|x");
  edit.onKeyDown = [this](int) { form.Unload(); };
  SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormEventsTest, TheCloseBoxAsksTheForm) {
  HWND window = form.Hwnd(), label = form.WindowOf(form[L"Label2"]);
  for (bool allow : {false, true}) {  // a refused close leaves the window and the form
    form.allowClose = allow;
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(IsWindow(window) != FALSE, !allow);
    EXPECT_EQ(allow ? form.Unloaded() : form.Loaded(), true);
  }
  EXPECT_FALSE(IsWindow(label));
  EXPECT_EQ(form.events, (std::vector<std::string>{"close?", "close?"}));
  form[L"Label2"].SetText(L"after");  // no window any more: nothing to render, nothing breaks
  EXPECT_EQ(form.Handle(), 0u);
}

}  // namespace
