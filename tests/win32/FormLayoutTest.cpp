// The renderer's windows for a form: one native child window per control, with its text,
// at the pixels its twips give at the window's DPI, later controls above earlier ones,
// frame children inside their frame, fonts, and property changes carried over.
#include <gtest/gtest.h>

#include <cmath>

#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

using vl::Control;
using vl::ControlKind;
using vltest::SampleForm;

class FormLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Load(); }
  int Px(int twips) const {
    return MulDiv(twips, static_cast<int>(GetDpiForWindow(form.Hwnd())), 1440);
  }

  vl::win32::Win32Platform platform;
  SampleForm form{platform};
};

TEST_F(FormLayoutTest, ClientAreaHasTheDesignSizeAndTheWindowIsFixed) {
  RECT client;
  ASSERT_TRUE(GetClientRect(form.Hwnd(), &client));
  EXPECT_EQ(client.right, Px(4260));
  EXPECT_EQ(client.bottom, Px(5190));
  const LONG_PTR style = GetWindowLongPtrW(form.Hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(IsWindowVisible(form.Hwnd())) << "a new peer is hidden";
  EXPECT_EQ(vltest::TextOf(form.Hwnd()), L"Verdelune \u2014 \u00e9chantillon");
}

TEST_F(FormLayoutTest, EveryControlButShapesHasAWindowWithItsTextAtItsTwips) {
  for (const auto& c : form.Controls()) {
    SCOPED_TRACE(::testing::Message()
                 << "control " << std::string(c->Name().begin(), c->Name().end()));
    HWND window = form.WindowOf(*c);
    if (c->Kind() == ControlKind::Shape || c->Kind() == ControlKind::Line) {
      EXPECT_EQ(window, nullptr);
      continue;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(vltest::TextOf(window), c->Text());
    const HWND expectedParent =
        c->Container() != nullptr ? form.WindowOf(*c->Container()) : form.Hwnd();
    EXPECT_EQ(GetParent(window), expectedParent);
    const RECT r = vltest::RectInParent(window);
    EXPECT_EQ(r.left, Px(c->Left()));
    EXPECT_EQ(r.top, Px(c->Top()));
    EXPECT_EQ(r.right - r.left, Px(c->Width()));
    EXPECT_EQ(r.bottom - r.top, Px(c->Height()));
  }
}

TEST_F(FormLayoutTest, FrameChildrenLieInsideTheFrame) {
  RECT frame, child;
  GetWindowRect(form.WindowOf(form.frame), &frame);
  for (Control* c : {&form.frameLabel, &form.frameButton}) {
    GetWindowRect(form.WindowOf(*c), &child);
    RECT both;
    IntersectRect(&both, &frame, &child);
    EXPECT_TRUE(EqualRect(&both, &child));
  }
}

TEST_F(FormLayoutTest, ALaterControlLiesAboveAnEarlierOne) {
  for (HWND parent : {form.Hwnd(), form.WindowOf(form.frame)}) {
    const std::vector<HWND> topFirst = vltest::ChildrenTopFirst(parent);
    std::vector<HWND> designOrder;
    for (const auto& c : form.Controls()) {
      HWND window = form.WindowOf(*c);
      if (window != nullptr && GetParent(window) == parent) designOrder.push_back(window);
    }
    ASSERT_EQ(topFirst.size(), designOrder.size());
    EXPECT_TRUE(std::equal(topFirst.begin(), topFirst.end(), designOrder.rbegin()));
  }
}

TEST_F(FormLayoutTest, EachKindUsesItsNativeWindow) {
  auto classOf = [](HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return std::wstring(name);
  };
  auto styleOf = [](HWND w) { return GetWindowLongPtrW(w, GWL_STYLE); };
  EXPECT_EQ(_wcsicmp(classOf(form.WindowOf(form.edit)).c_str(), L"Edit"), 0);
  EXPECT_FALSE(styleOf(form.WindowOf(form.edit)) & ES_MULTILINE);
  EXPECT_EQ(_wcsicmp(classOf(form.WindowOf(form.check)).c_str(), L"Button"), 0);
  EXPECT_EQ(styleOf(form.WindowOf(form.check)) & BS_TYPEMASK, BS_CHECKBOX) << "not an auto box";
  EXPECT_EQ(styleOf(form.WindowOf(form.button)) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(GetClassLongPtrW(form.WindowOf(form.target), GCL_STYLE) & CS_DBLCLKS);
  EXPECT_FALSE(IsWindowEnabled(form.WindowOf(form.disabled)));
}

TEST_F(FormLayoutTest, FontsFollowTheDesignAndAreShared) {
  const int dpi = static_cast<int>(GetDpiForWindow(form.Hwnd()));
  auto fontOf = [](HWND w) { return reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)); };
  LOGFONTW bold{};
  ASSERT_TRUE(GetObjectW(fontOf(form.WindowOf(form.button)), sizeof bold, &bold));
  EXPECT_EQ(bold.lfWeight, FW_BOLD);
  EXPECT_EQ(bold.lfHeight, -MulDiv(12, dpi, 72));
  EXPECT_STREQ(bold.lfFaceName, L"MS Sans Serif");
  LOGFONTW normal{};
  ASSERT_TRUE(GetObjectW(fontOf(form.WindowOf(form.edit)), sizeof normal, &normal));
  EXPECT_EQ(normal.lfWeight, FW_NORMAL);
  EXPECT_EQ(normal.lfHeight, -static_cast<LONG>(std::lround(8.25 * dpi / 72)));
  EXPECT_EQ(fontOf(form.WindowOf(form.edit)), fontOf(form.WindowOf(form.check)));
}

TEST_F(FormLayoutTest, PropertyChangesReachTheNativeWindows) {
  HWND label = form.WindowOf(form.target);
  form.target.SetText(L"\u0411\u043e\u0440\u0438\u0441");
  EXPECT_EQ(vltest::TextOf(label), L"\u0411\u043e\u0440\u0438\u0441");

  form.target.SetBounds({300, 900, 1500, 255});
  RECT r = vltest::RectInParent(label);
  EXPECT_EQ(r.left, Px(300));
  EXPECT_EQ(r.top, Px(900));
  EXPECT_EQ(r.right - r.left, Px(1500));

  form.target.SetVisible(false);
  EXPECT_FALSE(GetWindowLongPtrW(label, GWL_STYLE) & WS_VISIBLE);
  form.target.SetVisible(true);
  EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & WS_VISIBLE);

  form.button.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(form.WindowOf(form.button)));

  form.check.SetChecked(true);
  EXPECT_EQ(SendMessageW(form.WindowOf(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
  form.edit.SetText(L"Bob");
  EXPECT_EQ(vltest::TextOf(form.WindowOf(form.edit)), L"Bob");
}

TEST_F(FormLayoutTest, AFrameIsHiddenByMovingItBelowTheClientArea) {
  HWND frame = form.WindowOf(form.frame);
  const LONG_PTR styleBefore = GetWindowLongPtrW(frame, GWL_STYLE);
  form.frame.SetTop(7000);
  const RECT r = vltest::RectInParent(frame);
  RECT client;
  GetClientRect(form.Hwnd(), &client);
  EXPECT_EQ(r.top, Px(7000));
  EXPECT_GE(r.top, client.bottom);
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE), styleBefore) << "just a move";
}

TEST_F(FormLayoutTest, MenuBarFollowsTheDesignAndItsCheckMarks) {
  HMENU bar = GetMenu(form.Hwnd());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  wchar_t text[128];
  GetMenuStringW(bar, 0, text, 128, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Configurer");
  GetMenuStringW(bar, 1, text, 128, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Pause");
  HMENU dropDown = GetSubMenu(bar, 0);
  ASSERT_NE(dropDown, nullptr);
  ASSERT_EQ(GetMenuItemCount(dropDown), 2);
  GetMenuStringW(dropDown, 0, text, 128, MF_BYPOSITION);
  EXPECT_STREQ(text, L"Salut auto entr\u00e9e user");

  const UINT greet = GetMenuItemID(dropDown, 0);
  EXPECT_FALSE(GetMenuState(bar, greet, MF_BYCOMMAND) & MF_CHECKED);
  form.greet.SetChecked(true);
  EXPECT_TRUE(GetMenuState(bar, greet, MF_BYCOMMAND) & MF_CHECKED);
  form.greet.SetChecked(false);
  EXPECT_FALSE(GetMenuState(bar, greet, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FormLayoutTest, DestroyLeavesThePeerAndFormSafe) {
  HWND window = form.Hwnd();
  HWND label = form.WindowOf(form.target);
  form.Unload();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(label));
  form.target.SetText(L"after");  // no observer any more: nothing to render, nothing breaks
  EXPECT_EQ(form.Handle(), 0u);
}

}  // namespace
