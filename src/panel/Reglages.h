// The control panel: the moderator's window once the room is attached and the room bot has
// answered. This file holds the window, its menus, its load and activation, the pause mode
// and the room watchdog; the command buttons, the join watcher, the nickname capture and the
// microphone live in files of their own.
#pragma once

#include <memory>

#include "panel/CommandButtons.h"
#include "panel/JoinWatcher.h"
#include "panel/MicroControl.h"
#include "panel/UserSelection.h"
#include "platform/ui/Form.h"

namespace vl {

class App;

inline constexpr int kPauseNoticeShown = 360;
inline constexpr int kPauseNoticeHidden = 5520;

class Reglages : public Form {
 public:
  explicit Reglages(App& app);

  // Reloads the phrase list from the settings file.
  void LitMessages();
  // The layout of the rights level 2: the ban group hidden, the kick group moved down.
  void ApplyRestrictedLayout();

  Timer& Boucle;              // join watcher and push-to-talk watch, 100 ms
  Timer& BoucleLectPseudo;    // nickname capture, 500 ms
  Timer& PriseMicro;          // microphone request, 50 ms
  Timer& AttenteLacheMicro;   // microphone request, 50 ms
  Timer& TimerEtat;           // room watchdog and microphone countdown, 1000 ms
  Timer& TimerToucheclavier;  // push-to-talk, 100 ms

  CommandButtons& commands() { return *commands_; }
  MicroControl& micro() { return *micro_; }

 protected:
  void OnLoad() override;
  void OnActivate() override;
  bool OnCloseRequest() override { return false; }  // only "Quitter" and the watchdog end it

 private:
  void AddControls();
  void AddCommandButtons();
  void AddMenus();
  void ToggleOption(MenuItem& item, bool& flag, const std::wstring& key);
  void ChoixWavEntree_Click();
  void changepseudoroombot_Click();
  void Mesgusers_Click();
  void standby_Click();
  void Quitter_Click();
  void TimerEtat_Tick();
  // Ends the program when the room's chat, input box or first button has gone.
  void RoomWatchdog();

  App& app_;
  std::unique_ptr<UserSelection> selection_;
  std::unique_ptr<CommandButtons> commands_;
  std::unique_ptr<MicroControl> micro_;
  std::unique_ptr<JoinWatcher> joins_;
  std::wstring lastChosenSound_;  // the file dialog keeps the last name chosen
};

}  // namespace vl
