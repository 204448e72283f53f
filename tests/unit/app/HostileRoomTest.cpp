// What a live room may hold: huge, binary and bidirectional text in lines and nicknames, a
// chat without line ends, a huge input box. Nothing blocks, and what is sent is what the line
// rules give.
#include "support/Fixtures.h"

namespace vl::test {
namespace {

class HostileRoomTest : public PanelFixture {
 protected:
  void SetUp() override {
    room.echo = false;
    OpenPanel("SalutNouvUser=O\n");
    SetPhrase(1, L"Salut $N !");
  }
};

TEST_F(HostileRoomTest, StrangeNicknamesAreGreetedAndPickedAsTheyStand) {
  const std::wstring nicks[] = {
      std::wstring(5000, L'x'),
      std::wstring(L"a\0b", 3),
      L"\x01\x07\x1b[31m\x7f\t",
      L"\x202eolleh\x200f",         // right-to-left override and mark
      L"\xd83d\xde00\xd83c\xdf89",  // two surrogate pairs
      L"\xdc00\xd800",              // lone surrogates, in the wrong order
  };
  for (const std::wstring& nick : nicks) {
    room.AddLine(L"(12:00) Bavard: " + std::wstring(10000, L'é'));  // a join needs a line between
    fake.Advance(300);
    room.AddLine(L"Join: " + nick);
    fake.Advance(300);
    // WM_SETTEXT carries the line up to its first NUL: that much reaches the room.
    const std::wstring greeting = L"Salut " + nick + L" !";
    EXPECT_TRUE(Sent() == Lines{greeting.substr(0, greeting.find(L'\0'))}) << nick.size();
    room.InputText() = nick + L", ";
    fake.Advance(600);
    std::wstring picked = nick;
    std::erase(picked, L'\0');  // the input box's NULs are dropped, as a client may pad with them
    EXPECT_TRUE(panel().TargetUser() == picked) << nick.size();
  }
}

TEST_F(HostileRoomTest, AChatWithoutLineEndsAndAHugeInputBoxTakeNothing) {
  SetTarget(L"Alice");
  room.ChatText() = L"Join: Bob" + std::wstring(20000, L'x');
  std::wstring words;
  while (words.size() < 40000)
    words += L"un mot, ";
  room.InputText() = words;
  fake.Advance(3000);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(panel().TargetUser(), L"Alice");
  EXPECT_TRUE(room.InputText() == words);
  room.ChatText() += L"\r\n";  // the line is complete now: a join with a 20,000-character tail
  fake.Advance(300);
  EXPECT_TRUE(Sent() == Lines{L"Salut Bob" + std::wstring(20000, L'x') + L" !"});
}

TEST_F(HostileRoomTest, AClientThatRefusesOurLinesIsNamedOnceAndThePanelGoesOn) {
  SetTarget(L"Alice");
  fake.desktop().Window(room.input).refusesLines = true;
  EXPECT_TRUE(Click(L"ReyCommand3"));  // "Met noir"
  EXPECT_TRUE(Click(L"ReyCommand3"));
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(room.InputText().empty()) << "nothing half-sent";
  const auto messages = fake.fakeDialogs().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kClientRefusesNotice);
  EXPECT_FALSE(fake.Ended());
}

}  // namespace
}  // namespace vl::test
