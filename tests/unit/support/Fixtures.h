// Verdelune over the fake platform, a chat client's room in the fake desktop, and the program
// attached to it, up to the control panel open after a full handshake.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/ConnexMan.h"
#include "app/Principale.h"
#include "panel/Reglages.h"
#include "platform/fake/FakePlatform.h"

namespace vl::test {

using Lines = std::vector<std::wstring>;
inline const std::wstring kSettingsPath = L"C:\\Verdelune\\verdelune.ini";

// The room's window tree, a send button that posts the input box as the moderator's line (and
// echoes it in the chat unless `echo` is off), and `onPosted` for a room bot to answer from.
class FakeRoom {
 public:
  explicit FakeRoom(FakePlatform& fake) : fake_(fake) {
    FakeDesktop& d = fake.desktop();
    room = d.Create(
        d.Create(d.Create(0, L"SimTabWindowClass", L"Salons Verdelune - Salle"), L"Panneau"),
        L"Salle");
    chat = d.Create(room, L"RichEdit20W");
    input = d.Create(room, L"Edit");
    for (int i = 0; i < 9; ++i)
      buttons.push_back(d.Create(room, L"Button"));
    FakeWindow& send = d.Window(buttons.front());
    send.onButtonDown = [this] { pressed_ = true; };
    send.onButtonUp = [this] {
      if (!std::exchange(pressed_, false)) return;
      posted_.push_back(std::exchange(InputText(), L""));
      if (echo) AddLine(L"(12:00) " + ownNick + L": " + posted_.back());
      if (onPosted) onPosted(posted_.back());
    };
  }
  void AddLine(const std::wstring& line) { ChatText() += line + L"\r\n"; }
  const Lines& Posted() const { return posted_; }
  FakeWindow& Mic1() { return fake_.desktop().Window(buttons.at(7)); }
  FakeWindow& Mic2() { return fake_.desktop().Window(buttons.at(8)); }
  void PointAtRoom() { fake_.desktop().PointAt(Point{900, 80}, room); }
  std::wstring& InputText() { return fake_.desktop().Window(input).text; }
  std::wstring& ChatText() { return fake_.desktop().Window(chat).text; }

  std::function<void(const std::wstring&)> onPosted;
  std::wstring ownNick = L"Modo";
  bool echo = true;
  WindowHandle room = 0, chat = 0, input = 0;
  std::vector<WindowHandle> buttons;

 private:
  FakePlatform& fake_;
  Lines posted_;
  bool pressed_ = false;
};

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : app(fake), room(fake) {}

  // The settings file as the moderator left it (Windows-1252 bytes; "\n" becomes CR LF).
  void PutSettings(const std::string& text) {
    std::string bytes;
    for (char c : text)
      bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    fake.fakeProfile().PutFile(kSettingsPath, bytes);
  }
  std::string SettingsBytes() { return fake.fakeProfile().FileBytes(kSettingsPath); }
  std::wstring Setting(const std::wstring& section, const std::wstring& key) {
    return fake.fakeProfile().ReadString(section, key, kSettingsPath, 800);
  }
  void Start() {
    ASSERT_TRUE(fake.Deliver([&] { app.Start(); }));
  }
  // Starts with a known room bot and drags the hand from the attach window onto the room.
  void StartAndAttach(const std::string& extraSettings = "") {
    PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n" + extraSettings);
    Start();
    ASSERT_TRUE(fake.Click(app.MainWindow()[L"Connexionroom"]));
    ASSERT_TRUE(fake.MouseDown(app.AttachWindow()[L"Label1"]));
    room.PointAtRoom();
    fake.Advance(100);
    ASSERT_TRUE(fake.MouseUpOn(app.AttachWindow()));
  }
  // The room bot's answer line for the program's challenge.
  std::wstring Answer(int level) {
    return L"(12:00) RoomBot: %" + app.records.shared.ChallengeHex.substr(0, 4) +
           std::to_wstring(level);
  }
  Reglages& panel() { return app.Panel(); }

  FakePlatform fake;
  App app;
  FakeRoom room;
};

class PanelFixture : public AppFixture {
 protected:
  void OpenPanel(const std::string& settings = "") {
    room.onPosted = [this](const std::wstring& text) {
      if (text == app.records.shared.IdentText) room.AddLine(Answer(1));
    };
    StartAndAttach(settings);
    fake.Advance(500);
    ASSERT_TRUE(panel().Visible());
    room.onPosted = nullptr;
    mark_ = room.Posted().size();
  }
  // The lines posted since the panel opened (or since the last call).
  Lines Sent() {
    Lines lines(room.Posted().begin() + static_cast<long>(mark_), room.Posted().end());
    mark_ = room.Posted().size();
    return lines;
  }
  void SetTarget(const std::wstring& nick) { panel()[L"Label2"].SetText(nick); }
  bool Click(const wchar_t* button) { return fake.Click(panel()[button]); }
  // Opens a window from a panel button: a real click activates the panel first.
  void Open(const wchar_t* button) {
    fake.Activate(panel());
    Click(button);
  }
  bool OnTop(const Form& form) { return fake.fakeWindows().PeerOf(form)->Topmost(); }
  void SetPhrase(int slot, const std::wstring& text) {
    app.records.phrases[static_cast<size_t>(slot)] = text;
  }

 private:
  size_t mark_ = 0;
};

class OpenPanelTest : public PanelFixture {
 protected:
  void SetUp() override { OpenPanel(); }
};

}  // namespace vl::test
