// The room simulator is test apparatus that every journey and tests/e2e/test_roomsim.py exercise;
// here only what a journey cannot tell apart: a refused control line, and the level the bot puts
// in its answer to the identification.
#include <gtest/gtest.h>

#include "roomsim/ControlChannel.h"
#include "roomsim/Room.h"

namespace roomsim {
namespace {

struct FakeHost : RoomHost {
  std::vector<std::wstring> chat;
  std::wstring input;
  void AppendChat(const std::wstring& line) override { chat.push_back(line); }
  std::wstring InputText() override { return input; }
  void SetInputText(const std::wstring& text) override { input = text; }
  void AddUser(const std::wstring&) override {}
  void RemoveUser(const std::wstring&) override {}
  void ShowMicButtons(MicButtons) override {}
  void CloseRoomWindow() override {}
  void Quit() override {}
  ClockTime Now() override { return {9, 5}; }
  std::int64_t ElapsedMs() override { return 0; }
  void Log(const std::string&, const std::wstring&) override {}
};

TEST(RoomBot, AnswersTheIdentificationWithTheSendersLevel) {
  FakeHost host;
  // A stand-in answer that shows which challenge and level the bot passed on.
  Room room{Options{}, host, [](const std::wstring& c, int level) {
              return L"%" + c.substr(1, 4) + std::to_wstring(level);
            }};
  room.Start();
  for (const int level : {0, 2}) {
    room.OnControlLine(L"bot level Modo " + std::to_wstring(level));
    host.chat.clear();
    host.input = L"/msg RoomBot Verdelune54321";
    room.OnClicked(Room::kSendButton);
    ASSERT_EQ(host.chat.size(), 2u);
    EXPECT_EQ(host.chat[1], L"(09:05) RoomBot: Verdelune identifié %4321" + std::to_wstring(level));
  }
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

}  // namespace
}  // namespace roomsim
