#include "support/FakeRoom.h"

#include <algorithm>

namespace vl::test {

FakeRoom::FakeRoom(FakePlatform& fake, int buttonCount, std::wstring title) : fake_(fake) {
  FakeDesktop& d = fake.desktop();
  top = d.Create(0, L"SimTabWindowClass", std::move(title));
  middle = d.Create(top, L"Panneau");
  room = d.Create(middle, L"Salle");
  chat = d.Create(room, L"RichEdit20W");
  input = d.Create(room, L"Edit");
  for (int i = 0; i < buttonCount; ++i)
    buttons.push_back(d.Create(room, L"Button"));
  d.Create(room, L"ListBox");
  FakeWindow& send = d.Window(buttons.front());
  send.onButtonDown = [this] { sendPressed_ = true; };
  send.onButtonUp = [this] {
    if (!sendPressed_) return;
    sendPressed_ = false;
    std::wstring text = InputText();
    InputText().clear();
    posted_.push_back(text);
    if (echo) AddLine(L"(12:00) " + ownNick + L": " + text);
    if (onPosted) onPosted(text);
  };
}

void FakeRoom::AddLine(const std::wstring& line) {
  ChatText() += line + L"\r\n";
}

int FakeRoom::CountPosted(const std::wstring& text) const {
  return static_cast<int>(std::count(posted_.begin(), posted_.end(), text));
}

void FakeRoom::PointAtRoom() {
  fake_.desktop().PointAt(Point{900, 80}, room);
}

}  // namespace vl::test
