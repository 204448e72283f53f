// The room simulator's portable code: the room over a fake host that records what its windows
// would show (its lines, its room bot's replies), the control commands,
// and its two files, the control channel and the event log. What the end-to-end tests already
// check through the real windows and the log file (a pick, the microphone's states, the bot
// silent, wrong or late, the events the log records) is not repeated here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "roomsim/ControlChannel.h"
#include "roomsim/EventLog.h"
#include "roomsim/Room.h"

namespace roomsim {
namespace {

struct FakeHost : RoomHost {
  std::vector<std::wstring> chat, users, log;
  std::wstring input;

  void AppendChat(const std::wstring& line) override { chat.push_back(line); }
  std::wstring InputText() override { return input; }
  void SetInputText(const std::wstring& text) override { input = text; }
  void AddUser(const std::wstring& nick) override { users.push_back(nick); }
  void RemoveUser(const std::wstring& nick) override { std::erase(users, nick); }
  void ShowMicButtons(MicButtons) override {}
  void CloseRoomWindow() override {}
  void Quit() override {}
  ClockTime Now() override { return {9, 5}; }
  std::int64_t ElapsedMs() override { return 0; }
  void Log(const std::string& kind, const std::wstring& details) override {
    log.push_back(std::wstring(kind.begin(), kind.end()) + L" " + details);
  }
};

class RoomTest : public ::testing::Test {
 protected:
  RoomTest() {
    room.Start();
    room.OnControlLine(L"join Alice");
    room.OnControlLine(L"join Bob fr");
    room.Join(L"Jean, dit Jo", JoinForm::French, false);  // a nickname that holds ", "
  }
  void Send(const std::wstring& text) {
    host.input = text;
    room.OnClicked(Room::kSendButton);
  }
  // Posts "/msg RoomBot " + body; the bot's reply after its echo, or "" when it says nothing.
  std::wstring Ask(const std::wstring& body) {
    host.chat.clear();
    Send(L"/msg RoomBot " + body);
    return host.chat.size() == 2 ? host.chat[1].substr(17) : L"";  // after "(09:05) RoomBot: "
  }
  FakeHost host;
  // A stand-in answer that shows which challenge and level the bot passed on.
  Room room{Options{}, host, [](const std::wstring& c, int level) {
              return L"%" + c.substr(1, 4) + std::to_wstring(level);
            }};
};

TEST_F(RoomTest, PostsItsLinesInTheClientsFormsAndTheBotOnlyAnswersItsOwn) {
  for (const wchar_t* line : {L"say Bob  hé ", L"line brut", L"leave Bob", L"join Zoé notime"})
    room.OnControlLine(line);
  for (const wchar_t* text :
       {L"", L"/msg RoomBot", L"/msg RoomBot ", L"/msg RoomBotX Alice, kick",
        L"RoomBot: /msg RoomBot x", L"/msg 'OWNER' b", L"/msg RoomBot Verdelune12345"})
    Send(text);
  EXPECT_EQ(host.chat,
            (std::vector<std::wstring>{
                L"(09:05) Join: Alice", L"(09:05) Rejoint la salle : Bob",
                L"Rejoint la salle : Jean, dit Jo", L"(09:05) Bob:  hé ", L"brut",
                L"(09:05) Quitte la salle : Bob", L"Join: Zoé", L"(09:05) Modo: /msg RoomBot",
                L"(09:05) Modo: /msg RoomBot ", L"(09:05) Modo: /msg RoomBotX Alice, kick",
                L"(09:05) Modo: RoomBot: /msg RoomBot x", L"(09:05) Modo: /msg 'OWNER' b",
                L"(09:05) Modo: /msg RoomBot Verdelune12345",
                L"(09:05) RoomBot: Verdelune identifié %23451"}));
  EXPECT_EQ(host.users, (std::vector<std::wstring>{L"Alice", L"Jean, dit Jo", L"Zoé"}));
  EXPECT_EQ(host.input, L"") << "a send empties the box";
  EXPECT_EQ(std::ranges::count(host.log, L"class OWNER /msg 'OWNER' b"), 1);
}

TEST_F(RoomTest, TheBotCarriesOutEveryVerbAsTheSendersLevelAllows) {
  // The sender's level, the body after "/msg RoomBot ", the bot's reply.
  const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
      {0, L"Verdelune54321", L"Verdelune identifié %43210"},
      {1, L"Bob, puni spam, flood", L"Bob a été puni(e) : spam, flood"},
      {1, L"Bob, noir", L"Bob est mis(e) en noir"},
      {1, L"Bob, swmic", L"micro de Bob coupé"},  // swmic toggles, per user
      {1, L"Alice, swmic", L"micro de Alice coupé"},
      {1, L"Bob, swmic", L"micro de Bob remis"},
      {1, L"Alice, matequi", L"Alice regarde : Bob, Jean, dit Jo"},
      {1, L"Bob, mateparqui", L"Bob est regardé(e) par : Alice, Jean, dit Jo"},
      {1, L"Zoé, kick flood", L"Zoé n'est pas dans la salle"},
      {1, L"!MSGNIV12 a : x", L"message transmis aux NIV 1 et 2 : a : x"},
      {3, L"Bob, noir", L"accès refusé pour Modo"},
      {2, L"Bob, ban1", L"droits insuffisants pour ban1"},
      {2, L"Jean, dit Jo, kick", L"Jean, dit Jo a été expulsé(e)"},
      {0, L"Alice, ban1", L"Alice a été banni(e) pour 1 mois"},
      {0, L"Bob, ban2", L"Bob a été banni(e) définitivement"},
      {0, L"Bob, puni", L"Bob n'est pas dans la salle"},
  };
  for (const auto& [level, body, reply] : cases) {
    room.OnControlLine(L"bot level Modo " + std::to_wstring(level));
    EXPECT_EQ(Ask(body), reply) << body;
  }
  EXPECT_TRUE(host.users.empty() && room.Users().empty()) << "kick and bans take users out";
  // Anything else is an unknown command; identification wants five digits right after the word.
  for (const wchar_t* body :
       {L"Verdelune1234", L"Verdelune123456", L"Verdelune 12345", L"verdelune12345",
        L"Verdelune1234a", L"nimportequoi", L"Alice, danse", L"Alice, noir et blanc", L", kick",
        L"Alice,kick", L"!MSGNIV123 x"})
    EXPECT_EQ(Ask(body), L"commande inconnue : " + std::wstring(body));
}

TEST(ControlCommands, RefusesMalformedLinesWithAReason) {
  for (const wchar_t* line :
       {L"", L"danse", L"JOIN Alice", L"join", L"join Alice de", L"join  Alice", L"leave A B",
        L"say", L"mic taken", L"bot level Chef", L"bot level Chef 10", L"bot level Chef -1",
        L"bot level Chef 1x", L"bot silent yes", L"bot delay 99999999999999999999", L"bot volume 3",
        L"traffic 51", L"close now", L"pick"}) {
    const ParsedControl p = ParseControlCommand(line);
    EXPECT_TRUE(!p.ok && !p.error.empty()) << line;
  }
}

TEST(ControlChannel, TakesOnlyCompleteLinesAndStartsAgainOnARewrite) {
  const std::filesystem::path path = ::testing::TempDir() + "roomsim-test-control.txt";
  std::filesystem::remove(path);
  const auto write = [&](const std::string& bytes, std::ios::openmode mode = std::ios::app) {
    std::ofstream(path, std::ios::binary | mode) << bytes;
  };
  ControlChannel channel;
  ASSERT_TRUE(channel.Open(path.wstring()));
  write("\xEF\xBB\xBFjoin Alice\r\njoin Zo\xC3\xA9 fr\nsay Al");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"join Alice", L"join Zoé fr"}));
  write("ice bonjour\n\n");
  EXPECT_EQ(channel.Poll(), (std::vector<std::wstring>{L"say Alice bonjour", L""}));
  write("quit\n", std::ios::trunc);
  EXPECT_EQ(channel.Poll(), std::vector<std::wstring>{L"quit"});
}

// One event, one UTF-8 line: the line breaks of a chat line are escaped. That the file is flushed
// at each event, every end-to-end test relies on as it waits for events.
TEST(EventLog, FormatsOneUtf8LinePerEvent) {
  EXPECT_EQ(FormatEvent(1234, "chat", L"(12:03) RoomBot: Alice a été expulsé(e)\r\n"),
            "1234 chat (12:03) RoomBot: Alice a \xC3\xA9t\xC3\xA9 expuls\xC3\xA9(e)\\r\\n");
  EXPECT_EQ(FormatEvent(1300, "input", L""), "1300 input");
}

}  // namespace
}  // namespace roomsim
