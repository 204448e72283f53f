// Which windows of the picked window become the room's controls, and the site's name.
#include "room/RoomChildren.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"

namespace vl {
namespace {

class RoomChildrenTest : public ::testing::Test {
 protected:
  WindowHandle Make(WindowHandle parent, const wchar_t* cls, const wchar_t* title = L"") {
    return fake.desktop().Create(parent, cls, title);
  }
  FakePlatform fake;
};

TEST_F(RoomChildrenTest, NineButtonsGiveTheEighthAndNinthAsMicrophones) {
  WindowHandle room = Make(0, L"Salle");
  Make(room, L"Button");  // a button before the chat still comes first
  WindowHandle chat = Make(room, L"RichEdit20W");
  Make(room, L"RichEdit20W");
  WindowHandle input = Make(room, L"Edit");
  std::vector<WindowHandle> b;
  for (int i = 0; i < 9; ++i)
    b.push_back(Make(room, L"Button"));
  RoomWindowSet set;
  FindRoomChildren(fake.foreign(), room, set);
  EXPECT_EQ(set.RoomWindow, room);
  EXPECT_EQ(set.ChatTextWindow, chat);
  EXPECT_EQ(set.InputBoxWindow, input);
  EXPECT_EQ(set.MicButtonWindow1, b[6]);
  EXPECT_EQ(set.MicButtonWindow2, b[7]);
  EXPECT_TRUE(IsAttach(set));
}

TEST_F(RoomChildrenTest, FewerButtonsRestartTheSearch) {
  WindowHandle room = Make(0, L"Salle");
  Make(room, L"RichEdit20W");
  Make(room, L"Edit");
  std::vector<WindowHandle> b;
  for (int i = 0; i < 5; ++i)
    b.push_back(Make(room, L"Button"));
  RoomWindowSet set;
  FindRoomChildren(fake.foreign(), room, set);
  EXPECT_EQ(set.SendButtonWindow, b[0]);
  EXPECT_EQ(set.MicButtonWindow1, b[1]);
  EXPECT_EQ(set.MicButtonWindow2, b[2]);
}

TEST_F(RoomChildrenTest, APickWithoutTheRoomsControlsIsNoAttach) {
  WindowHandle other = Make(0, L"Bureau");
  Make(other, L"Edit");
  Make(other, L"Button");
  RoomWindowSet set;
  FindRoomChildren(fake.foreign(), other, set);
  EXPECT_FALSE(IsAttach(set));
  EXPECT_EQ(set.RoomWindow, other) << "the pick is stored all the same";
  FindRoomChildren(fake.foreign(), 0, set);
  EXPECT_FALSE(IsAttach(set));
}

TEST_F(RoomChildrenTest, SiteNameComesFromTheTabWindowAboveTheParent) {
  WindowHandle tab = Make(0, L"CfTabWindowClassEx", L"  Salons, du soir - Salle - 2  ");
  WindowHandle middle = Make(tab, L"Conteneur");
  WindowHandle room = Make(middle, L"Salle");
  WindowHandle h = room;
  EXPECT_EQ(ChercheNomSite(fake.foreign(), h), L"Salons, du soir");
  EXPECT_EQ(h, tab);
  WindowHandle direct = Make(tab, L"Salle");  // its parent is the tab window: never tested
  h = direct;
  EXPECT_EQ(ChercheNomSite(fake.foreign(), h), L"");
  EXPECT_EQ(h, 0u);
}

TEST_F(RoomChildrenTest, SiteNameRules) {
  struct Case {
    const wchar_t* title;
    const wchar_t* name;
  };
  for (Case c : {Case{L"Site seul", L"Site seul"}, Case{L"A - B", L"A"}, Case{L"A-B", L"A-B"},
                 Case{L"", L""}}) {
    FakePlatform platform;
    FakeDesktop& d = platform.desktop();
    WindowHandle top = d.Create(0, L"xTabWindowClass", c.title);
    WindowHandle room = d.Create(d.Create(d.Create(top, L"a"), L"b"), L"room");
    WindowHandle h = room;
    EXPECT_EQ(ChercheNomSite(platform.foreign(), h), c.name) << c.title;
  }
  FakePlatform platform;
  WindowHandle top = platform.desktop().Create(0, L"tabwindowclass", L"Site - Salle");
  WindowHandle room = platform.desktop().Create(platform.desktop().Create(top, L"m"), L"r");
  WindowHandle h = room;
  EXPECT_EQ(ChercheNomSite(platform.foreign(), h), L"") << "the class is matched with its case";
}

}  // namespace
}  // namespace vl
