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

TEST_F(RoomChildrenTest, NineButtonsGiveTheSeventhAndEighthAfterTheChatAsMicrophones) {
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
  EXPECT_EQ(set.ChatTextWindow, chat);
  EXPECT_EQ(set.InputBoxWindow, input);
  EXPECT_EQ(set.MicButtonWindow1, b[6]);
  EXPECT_EQ(set.MicButtonWindow2, b[7]);
  EXPECT_TRUE(IsAttach(set));
}

TEST_F(RoomChildrenTest, FewerButtonsRestartTheSearchOnlyAtTheAttach) {
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
  FindRoomChildren(fake.foreign(), room, set, MissingButtons::LeaveEmpty);  // the re-take
  EXPECT_EQ(set.MicButtonWindow1, 0u);
  EXPECT_EQ(set.MicButtonWindow2, 0u);
  EXPECT_EQ(set.SendButtonWindow, b[0]);
}

TEST_F(RoomChildrenTest, APickWithoutTheRoomsControlsIsNoAttach) {
  WindowHandle other = Make(0, L"Bureau");
  Make(other, L"Edit");
  Make(other, L"Button");
  RoomWindowSet set;
  FindRoomChildren(fake.foreign(), other, set);
  EXPECT_FALSE(IsAttach(set));
  EXPECT_EQ(set.RoomWindow, other) << "the pick is stored all the same";
}

// The title of the first window above the room's parent whose class holds "TabWindowClass"
// (with its case), up to its first " - ", blanks trimmed. The journey shows one with commas.
TEST_F(RoomChildrenTest, SiteNameRules) {
  // The tab window's class and title, the room's depth below it, the name, whether it is found.
  const std::tuple<const wchar_t*, const wchar_t*, int, const wchar_t*, bool> cases[] = {
      {L"CfTabWindowClassEx", L"  Salons, du soir - Salle - 2  ", 2, L"Salons, du soir", true},
      {L"xTabWindowClass", L"A-B", 3, L"A-B", true},
      {L"xTabWindowClass", L"", 2, L"", true},
      {L"xTabWindowClass", L"Site - Salle", 1, L"", false},  // the room's parent is never tested
      {L"tabwindowclass", L"Site - Salle", 2, L"", false},
  };
  for (const auto& [cls, title, depth, name, found] : cases) {
    const WindowHandle tab = Make(0, cls, title);
    WindowHandle h = tab;
    for (int i = 0; i < depth; ++i)
      h = Make(h, L"Salle");
    EXPECT_EQ(ChercheNomSite(fake.foreign(), h), name) << title;
    EXPECT_EQ(h, found ? tab : 0u) << title;
  }
}

}  // namespace
}  // namespace vl
