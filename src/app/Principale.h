// The main window: the program's first window. It ends the older copies, prepares the room
// bot handshake, shows the first-run explanations and asks for the room bot's nickname, and
// hands over to the manual attach.
#pragma once

#include "app/GestionInstance.h"
#include "app/Handshake.h"
#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

// Shown and hidden positions of the frames (Top, twips); hidden lies below the client area.
inline constexpr int kFrame1Shown = 0;
inline constexpr int kFrame1Hidden = 6500;
inline constexpr int kFrameNickShown = 120;
inline constexpr int kFrameNickHidden = 7000;

class Principale : public Form {
 public:
  explicit Principale(const WindowContext& ctx);

  Timer& Connexion;  // answer watcher, 500 ms
  Timer& EnvoiCode;  // re-sender of the identification line, 2000 ms

  // Once the room is attached: the re-sender starts and the program introduces itself to
  // the room bot.
  void StartHandshake();
  // The notice that the room bot is too old or its nickname wrong.
  void ShowIncompatibleBotNotice();
  const Handshake& handshake() const { return handshake_; }

 protected:
  void OnLoad() override;
  void OnActivate() override;
  bool OnCloseRequest() override;

 private:
  // The controls the handlers touch, bound once when the window is laid out.
  struct Controls {
    Control& Label2;
    Control& Frame1;
    Control& Frame2;
    Control& Frame3;
    Control& Check1;
    Control& ReyCommand1;
    Control& saisiepseudo;
    Control& Connexionroom;
  };
  Controls AddControls();
  void Check1_Click();
  void ReyCommand1_Click();
  void saisiepseudo_KeyDown(int keyCode);
  void newBot_Click();
  void Connexionroom_Click();
  // BotNick from the settings ("" without a file), and the nickname entry when none.
  void ReadBotNickAndAsk();
  void AskBotNick();

  WindowContext ctx_;
  Controls c_;
  GestionInstance instances_;
  Handshake handshake_;
};

}  // namespace vl
