// The main window: the program's first window. It ends the older copies, prepares the room
// bot handshake, shows the first-run explanations and asks for the room bot's nickname, and
// hands over to the manual attach.
#pragma once

#include "platform/ui/Form.h"
#include "room/Handshake.h"

namespace vl {

class App;

// Shown and hidden positions of the frames (Top, twips); hidden lies below the client area.
inline constexpr int kFrame1Shown = 0;
inline constexpr int kFrame1Hidden = 6500;
inline constexpr int kFrameNickShown = 120;
inline constexpr int kFrameNickHidden = 7000;

class Principale : public Form {
 public:
  explicit Principale(App& app);

  Timer& Connexion;  // answer watcher, 500 ms
  Timer& EnvoiCode;  // re-sender of the identification line, 2000 ms

  // Introduces the program to the room bot once the room is attached.
  void connection() { handshake_.connection(); }
  const Handshake& handshake() const { return handshake_; }

 protected:
  void OnLoad() override;
  void OnActivate() override;
  bool OnCloseRequest() override;

 private:
  void AddControls();
  void Check1_Click();
  void ReyCommand1_Click();
  void saisiepseudo_KeyDown(int keyCode);
  void newBot_Click();
  void Connexionroom_Click();
  // BotNick from the settings ("" without a file), and the nickname entry when none.
  void ReadBotNickAndAsk();

  App& app_;
  Handshake handshake_;
};

}  // namespace vl
