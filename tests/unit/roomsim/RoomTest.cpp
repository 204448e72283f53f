// The room's behaviour over a fake host that records what the windows would show: the lines
// it posts, the bot's replies and their delay, the microphone buttons, the control commands.
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
  std::int64_t now = 0;

  void AppendChat(const std::wstring& line) override { chat.push_back(line); }
  std::wstring InputText() override { return input; }
  void SetInputText(const std::wstring& text) override { input = text; }
  void AddUser(const std::wstring& nick) override { users.push_back(nick); }
  void RemoveUser(const std::wstring& nick) override { std::erase(users, nick); }
  void ShowMicButtons(MicButtons b) override { mic = b; }
  void CloseRoomWindow() override {}
  void Quit() override {}
  ClockTime Now() override { return {12, 5}; }
  std::int64_t ElapsedMs() override { return now; }
  void Log(const std::string& kind, const std::wstring& details) override {
    log.push_back(kind + " " + std::string(details.begin(), details.end()));
  }
  auto Count(const std::string& prefix) const {
    return std::count_if(log.begin(), log.end(),
                         [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  }
};

class RoomTest : public ::testing::Test {
 protected:
  RoomTest() {
    room.Start();
    room.OnControlLine(L"join Alice");
    room.OnControlLine(L"join Bob");
  }
  void Send(const std::wstring& text) {
    host.input = text;
    room.OnClicked(Room::kSendButton);
  }
  FakeHost host;
  Room room{Options{}, host, [](const std::wstring& c, int level) {
              return L"%" + c.substr(1, 4) + std::to_wstring(level);
            }};
};

TEST_F(RoomTest, PostsItsLinesInTheClientsForms) {
  Send(L"bonjour à tous");
  Send(L"");                             // nothing posted
  Send(L"/msg 'OWNER' aux rouges : x");  // echoed only
  for (const wchar_t* line : {L"join Zoé fr notime", L"join Carl fr", L"say Zoé salut",
                              L"line texte brut", L"leave Bob"}) {
    room.OnControlLine(line);
  }
  EXPECT_EQ(host.chat,
            (std::vector<std::wstring>{
                L"(12:05) Join: Alice", L"(12:05) Join: Bob", L"(12:05) Modo: bonjour à tous",
                L"(12:05) Modo: /msg 'OWNER' aux rouges : x", L"Rejoint la salle : Zoé",
                L"(12:05) Rejoint la salle : Carl", L"(12:05) Zoé: salut", L"texte brut",
                L"(12:05) Quitte la salle : Bob"}));
  EXPECT_EQ(host.input, L"");
  EXPECT_EQ(host.users, (std::vector<std::wstring>{L"Alice", L"Zoé", L"Carl"}));
  EXPECT_EQ(host.Count("clicked 1"), 3);
  EXPECT_EQ(host.Count("send empty input box, nothing posted"), 1);
  EXPECT_EQ(host.Count("class OWNER /msg 'OWNER' aux rouges : x"), 1);
  room.OnControlLine(L"type bonjour ");
  room.OnControlLine(L"pick Alice");
  EXPECT_EQ(host.input, L"bonjour Alice, ");
}

TEST_F(RoomTest, TheBotAnswersAfterTheEchoOrAfterItsDelay) {
  host.chat.clear();
  Send(L"/msg RoomBot Verdelune12345");
  EXPECT_EQ(host.chat, (std::vector<std::wstring>{L"(12:05) Modo: /msg RoomBot Verdelune12345",
                                                  L"(12:05) RoomBot: Verdelune identifié %23451"}));
  room.OnControlLine(L"bot delay 700");
  host.now = 1000;
  Send(L"/msg RoomBot Alice, kick non respect des CGU");
  host.now = 1699;
  room.Tick();
  EXPECT_EQ(host.chat.size(), 3u);
  host.now = 1700;
  room.Tick();
  EXPECT_EQ(host.chat.back(), L"(12:05) RoomBot: Alice a été expulsé(e) : non respect des CGU");
  EXPECT_EQ(host.users, std::vector<std::wstring>{L"Bob"});
  EXPECT_EQ(room.Users(), host.users);
}

TEST_F(RoomTest, TheMicrophoneFollowsTheButtonMessagesAndCommands) {
  enum Event { Click8, DragOut8, Up8, Down9, Up9, Other, Free };
  const struct {
    Event event;
    MicButtons buttons;  // after the event
    const char* logged;  // the "mic" event, or "" when nothing changed
  } steps[] = {
      {Click8, {true, false}, "moderator"},
      {Down9, {true, false}, ""},     // held: push-to-talk does nothing
      {DragOut8, {true, false}, ""},  // released outside: no click
      {Up8, {true, false}, ""},       // an up without its down is no click
      {Click8, {true, true}, "free"},
      {Down9, {false, true}, "moderator"},
      {Click8, {false, true}, ""},  // talking: the first button does not end it
      {Up9, {true, true}, "free"},
      {Click8, {true, false}, "moderator"},
      {Other, {false, false}, "other"},
      {Click8, {false, false}, ""},
      {Free, {true, true}, "free"},
  };
  EXPECT_EQ(host.mic, (MicButtons{true, true}));
  for (const auto& [event, buttons, logged] : steps) {
    host.log.clear();
    if (event == Other || event == Free) {
      room.OnControlLine(event == Other ? L"mic other" : L"mic free");
    } else {
      if (event == Click8 || event == DragOut8) room.OnButtonMessage(8, true, true);
      room.OnButtonMessage(event == Down9 || event == Up9 ? 9 : 8, event == Down9,
                           event != DragOut8);
    }
    EXPECT_EQ(host.mic, buttons) << host.log.back();
    EXPECT_EQ(host.Count(std::string("mic ") + logged), *logged ? 1 : 0) << host.log.back();
  }
  room.OnButtonMessage(9, false, true);
  EXPECT_EQ(host.log.back(), "button 9 up");
}

}  // namespace
}  // namespace roomsim
