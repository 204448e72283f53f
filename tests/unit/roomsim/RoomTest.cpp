// The room's behaviour over a fake host that records what the windows would show.
#include "roomsim/Room.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace roomsim {
namespace {

struct FakeHost : RoomHost {
  std::vector<std::wstring> chat, users;
  std::vector<std::string> log;  // "kind details", UTF-8 left aside: the tests use ASCII
  std::wstring input;
  MicButtons mic{false, false};
  bool roomClosed = false, quit = false;
  std::int64_t now = 0;

  void AppendChat(const std::wstring& line) override { chat.push_back(line); }
  std::wstring InputText() override { return input; }
  void SetInputText(const std::wstring& text) override { input = text; }
  void AddUser(const std::wstring& nick) override { users.push_back(nick); }
  void RemoveUser(const std::wstring& nick) override {
    users.erase(std::remove(users.begin(), users.end(), nick), users.end());
  }
  void ShowMicButtons(MicButtons b) override { mic = b; }
  void CloseRoomWindow() override { roomClosed = true; }
  void Quit() override { quit = true; }
  ClockTime Now() override { return {9, 5}; }
  std::int64_t ElapsedMs() override { return now; }
  void Log(const std::string& kind, const std::wstring& details) override {
    log.push_back(kind + " " + std::string(details.begin(), details.end()));
  }
  bool Logged(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
  }
};

class RoomTest : public ::testing::Test {
 protected:
  RoomTest() {
    room.Start();
    for (const wchar_t* nick : {L"Alice", L"Bob"})
      room.Join(nick, JoinForm::English, true);
    host.chat.clear();
  }
  void Send(const std::wstring& text) {
    host.input = text;
    room.OnClicked(Room::kSendButton);
  }
  void Control(const std::wstring& line) { room.OnControlLine(line); }
  void Click(int index) {
    room.OnButtonMessage(index, true, true);
    room.OnButtonMessage(index, false, true);
  }
  FakeHost host;
  Options options;
  Room room{options, host, [](const std::wstring& c, int level) {
              return L"%" + c.substr(1, 4) + std::to_wstring(level);
            }};
};

TEST_F(RoomTest, SendPostsTheModeratorsLineAndEmptiesTheBox) {
  Send(L"bonjour à tous");
  EXPECT_EQ(host.chat, std::vector<std::wstring>{L"(09:05) Modo: bonjour à tous"});
  EXPECT_EQ(host.input, L"");
  Send(L"");
  EXPECT_EQ(host.chat.size(), 1u);
  EXPECT_TRUE(host.Logged("send empty input box, nothing posted"));
  room.OnClicked(2);  // a harmless client button
  EXPECT_EQ(host.chat.size(), 1u);
  EXPECT_TRUE(host.Logged("clicked 2"));
}

TEST_F(RoomTest, TheBotAnswersAfterTheEchoOrAfterItsDelay) {
  Send(L"/msg RoomBot Verdelune12345");
  ASSERT_EQ(host.chat.size(), 2u);
  EXPECT_EQ(host.chat[0], L"(09:05) Modo: /msg RoomBot Verdelune12345");
  EXPECT_EQ(host.chat[1], L"(09:05) RoomBot: Verdelune identifié %23451");
  Control(L"bot delay 700");
  host.now = 1000;
  Send(L"/msg RoomBot Verdelune12345");
  room.Tick();
  EXPECT_EQ(host.chat.size(), 3u);
  host.now = 1699;
  room.Tick();
  EXPECT_EQ(host.chat.size(), 3u);
  host.now = 1700;
  room.Tick();
  ASSERT_EQ(host.chat.size(), 4u);
  EXPECT_EQ(host.chat[3], L"(09:05) RoomBot: Verdelune identifié %23451");
}

TEST_F(RoomTest, AKickTakesTheUserOutWithItsResultLine) {
  Control(L"bot delay 100");
  Send(L"/msg RoomBot Alice, kick non respect des CGU");
  EXPECT_EQ(host.users, (std::vector<std::wstring>{L"Alice", L"Bob"}));  // not yet
  host.now = 100;
  room.Tick();
  EXPECT_EQ(host.chat.back(), L"(09:05) RoomBot: Alice a été expulsé(e) : non respect des CGU");
  EXPECT_EQ(host.users, std::vector<std::wstring>{L"Bob"});
  EXPECT_EQ(room.Users(), std::vector<std::wstring>{L"Bob"});
  EXPECT_TRUE(host.Logged("leave Alice"));
  Send(L"/msg RoomBot Alice, kick");
  host.now = 200;
  room.Tick();
  EXPECT_EQ(host.chat.back(), L"(09:05) RoomBot: Alice n'est pas dans la salle");
}

TEST_F(RoomTest, ClassMessagesAndPrivateLinesAreEchoedOnly) {
  Send(L"/msg 'OWNER' Message aux rouges : x (de Modo)");
  Send(L"/msg Alice coucou");
  EXPECT_EQ(host.chat.size(), 2u);
  EXPECT_TRUE(host.Logged("class OWNER /msg 'OWNER' Message aux rouges : x (de Modo)"));
}

TEST_F(RoomTest, MicrophoneFollowsTheButtonMessages) {
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  Click(8);
  EXPECT_EQ(host.mic, (MicButtons{true, false}));
  EXPECT_TRUE(host.Logged("mic moderator"));
  room.OnButtonMessage(8, true, true);
  room.OnButtonMessage(8, false, false);  // released outside: no click
  EXPECT_EQ(host.mic, (MicButtons{true, false}));
  Click(8);
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  room.OnButtonMessage(8, false, true);  // an up without its down is no click
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  room.OnButtonMessage(9, true, true);
  EXPECT_EQ(host.mic, (MicButtons{false, true}));
  room.OnButtonMessage(9, false, true);
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  Control(L"mic other");
  EXPECT_EQ(host.mic, (MicButtons{false, false}));
  Click(8);
  room.OnButtonMessage(9, true, true);
  EXPECT_EQ(host.mic, (MicButtons{false, false}));
  Control(L"mic free");
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  EXPECT_TRUE(host.Logged("button 9 down"));
}

TEST_F(RoomTest, FewerThanNineButtonsHaveNoMicrophone) {
  Options few;
  few.buttons = 5;
  FakeHost other;
  Room small(few, other, [](const std::wstring&, int) { return std::wstring(L"%00001"); });
  small.Start();
  small.OnButtonMessage(8, true, true);
  small.OnButtonMessage(8, false, true);
  EXPECT_FALSE(other.Logged("mic moderator"));
}

TEST_F(RoomTest, ControlCommandsDriveTheRoom) {
  Control(L"join Zoé fr notime");
  Control(L"say Zoé salut");
  Control(L"line texte brut");
  Control(L"leave Bob");
  EXPECT_EQ(host.chat,
            (std::vector<std::wstring>{L"Rejoint la salle : Zoé", L"(09:05) Zoé: salut",
                                       L"texte brut", L"(09:05) Quitte la salle : Bob"}));
  Control(L"type bonjour");
  Control(L"pick Alice");
  EXPECT_EQ(host.input, L"bonjourAlice, ");
  Control(L"bot level Modo 3");
  EXPECT_EQ(room.Bot().LevelOf(L"Modo"), 3);
  Control(L"leave Bob");
  Control(L"pick Bob");
  Control(L"danse");
  const auto errors = std::count_if(host.log.begin(), host.log.end(),
                                    [](const std::string& e) { return e.rfind("error ", 0) == 0; });
  EXPECT_EQ(errors, 3);
  EXPECT_TRUE(host.Logged("control danse"));
}

TEST_F(RoomTest, CloseDestroysTheRoomThenQuits) {
  Control(L"bot delay 5000");
  Send(L"/msg RoomBot Alice, kick");
  host.now = 10;
  Control(L"close");
  EXPECT_TRUE(host.roomClosed);
  Control(L"join Carl");
  Send(L"encore");
  host.now = 10 + Room::kQuitDelayMs - 1;
  room.Tick();
  EXPECT_FALSE(host.quit);
  host.now = 10 + Room::kQuitDelayMs;
  room.Tick();
  EXPECT_TRUE(host.quit);
  EXPECT_EQ(host.chat.size(), 1u);  // the echo only: no reply, no join, no send after the close
}

TEST_F(RoomTest, TrafficMovesOnlyItsOwnUsers) {
  Control(L"traffic 20");
  for (int t = 0; t <= 3000; t += 50) {
    host.now = t;
    room.Tick();
  }
  Control(L"traffic 0");
  const auto posted = host.chat.size();
  EXPECT_GE(posted, 40u);
  EXPECT_LE(posted, 70u);
  host.now = 10000;
  room.Tick();
  EXPECT_EQ(host.chat.size(), posted);
  EXPECT_NE(std::find(room.Users().begin(), room.Users().end(), L"Alice"), room.Users().end());
  EXPECT_NE(std::find(room.Users().begin(), room.Users().end(), L"Bob"), room.Users().end());
  EXPECT_EQ(host.users, room.Users());
}

}  // namespace
}  // namespace roomsim
