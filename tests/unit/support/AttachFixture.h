// The program started with a known room bot, the manual attach done on a fake room: the
// identification line has gone out and the answer watcher runs.
#pragma once

#include "app/Principale.h"
#include "panel/Reglages.h"
#include "app/ConnexMan.h"
#include "support/AppFixture.h"
#include "support/FakeRoom.h"

namespace vl::test {

class AttachFixture : public AppFixture {
 protected:
  AttachFixture() : room(fake) {}

  // Starts the program and drags the hand from the attach window onto the room.
  void StartAndAttach(const std::string& extraSettings = "") {
    PutSettings("[Parametres]\nAffWarning=N\nPseudo RoomBot=RoomBot\n" + extraSettings);
    Start();
    ASSERT_TRUE(fake.Click(app.MainWindow()[L"Connexionroom"]));
    ConnexMan& attach = app.AttachWindow();
    ASSERT_TRUE(fake.MouseDown(attach[L"Label1"]));
    room.PointAtRoom();
    fake.Advance(100);
    ASSERT_TRUE(fake.MouseUpOn(attach));
  }
  // The room bot's answer line for the program's challenge.
  std::wstring Answer(int level, const std::wstring& before = L"(12:00) RoomBot: ") {
    return before + L"%" + app.records.shared.ChallengeHex.substr(0, 4) + std::to_wstring(level);
  }
  // Attaches, then the room bot answers the first identification line at once.
  void AttachAndAnswer(int level) {
    room.onPosted = [this, level](const std::wstring& text) {
      if (text == app.records.shared.IdentText) room.AddLine(Answer(level));
    };
    StartAndAttach();
    fake.Advance(500);
  }
  Reglages& panel() { return app.Panel(); }

  FakeRoom room;
};

}  // namespace vl::test
