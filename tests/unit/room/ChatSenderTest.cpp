// The one write into the room: the text replaces the input box, the send button gets a
// press and a release, and the program is held 150 ms.
#include "room/ChatSender.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"

namespace vl {
namespace {

using Kind = ForeignCall::Kind;

class ChatSenderTest : public ::testing::Test {
 protected:
  ChatSenderTest() {
    FakeDesktop& d = fake.desktop();
    room.RoomWindow = d.Create(0, L"Room");
    room.InputBoxWindow = d.Create(room.RoomWindow, L"Edit");
    room.SendButtonWindow = d.Create(room.RoomWindow, L"Button");
    d.Window(room.InputBoxWindow).text = L"ce que tapait le modérateur";
  }
  FakePlatform fake;
  RoomWindowSet room;
};

TEST_F(ChatSenderTest, ReplacesTheInputBoxClicksSendAndPauses) {
  ChatSender(fake, room, L"/msg RoomBot Alice, swmic");
  const auto& calls = fake.desktop().Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].kind, Kind::SetText);
  EXPECT_EQ(calls[0].window, room.InputBoxWindow);
  EXPECT_EQ(calls[1].kind, Kind::ButtonDown);
  EXPECT_EQ(calls[2].kind, Kind::ButtonUp);
  EXPECT_EQ(calls[2].window, room.SendButtonWindow);
  EXPECT_EQ(fake.desktop().Window(room.InputBoxWindow).text, L"/msg RoomBot Alice, swmic");
  EXPECT_EQ(fake.fakeClock().Now(), 150u);
  EXPECT_EQ(fake.fakeClock().SleptMs(), 150u);
}

TEST_F(ChatSenderTest, AnEmptyLineIsStillSentAndAGoneRoomStillPauses) {
  ChatSender(fake, room, L"");
  EXPECT_EQ(fake.desktop().CallsTo(room.SendButtonWindow, Kind::ButtonUp).size(), 1u);
  EXPECT_EQ(fake.desktop().Window(room.InputBoxWindow).text, L"");
  fake.desktop().Destroy(room.RoomWindow);
  ChatSender(fake, room, L"perdu");
  EXPECT_EQ(fake.fakeClock().Now(), 300u);
}

}  // namespace
}  // namespace vl
