// A chat client's room in the fake desktop: the window tree the program attaches to, a send
// button that posts the input box as the moderator's line, and an optional room bot.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace vl::test {

class FakeRoom {
 public:
  explicit FakeRoom(FakePlatform& fake, int buttons = 9,
                    std::wstring title = L"Salons Verdelune - Salle de test");

  // Appends a chat line closed by CR LF.
  void AddLine(const std::wstring& line);
  // The texts the moderator's client posted, in order.
  const std::vector<std::wstring>& Posted() const { return posted_; }
  int CountPosted(const std::wstring& text) const;
  // Called after each posted line, with its text (a room bot answers from here).
  std::function<void(const std::wstring&)> onPosted;
  // The microphone buttons (eighth and ninth).
  FakeWindow& Mic1() { return fake_.desktop().Window(buttons.at(7)); }
  FakeWindow& Mic2() { return fake_.desktop().Window(buttons.at(8)); }
  // Puts the pointer over the room window's strip.
  void PointAtRoom();
  std::wstring& InputText() { return fake_.desktop().Window(input).text; }
  std::wstring& ChatText() { return fake_.desktop().Window(chat).text; }

  std::wstring ownNick = L"Modo";
  bool echo = true;  // false: the client never shows the moderator's lines
  WindowHandle top = 0, middle = 0, room = 0, chat = 0, input = 0;
  std::vector<WindowHandle> buttons;

 private:
  FakePlatform& fake_;
  std::vector<std::wstring> posted_;
  bool sendPressed_ = false;
};

}  // namespace vl::test
