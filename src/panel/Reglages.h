// The control panel: the moderator's window once the room is attached and the room bot has
// answered. This file holds the window, its menus, its load and activation, the pause mode
// and the room watchdog; the command buttons, the join watcher, the nickname capture and the
// microphone live in files of their own.
#pragma once

#include <memory>
#include <string>

#include "core/WindowContext.h"
#include "panel/CommandButtons.h"
#include "panel/JoinWatcher.h"
#include "panel/MicroControl.h"
#include "panel/PanelControls.h"
#include "panel/UserSelection.h"
#include "platform/ui/Form.h"

namespace vl {

inline constexpr int kPauseNoticeShown = 360;
inline constexpr int kPauseNoticeHidden = 5520;

class Reglages : public Form {
 public:
  explicit Reglages(const WindowContext& ctx);

  // Reloads the phrase list from the settings file.
  void LitMessages();
  // The layout of the rights level 2: the ban group hidden, the kick group moved down.
  void ApplyRestrictedLayout();
  // The user the commands act on; "" when none is chosen.
  const std::wstring& TargetUser() const { return c_.Label2.Text(); }
  const std::wstring& SiteName() const { return c_.Label8.Text(); }
  void SetSiteName(const std::wstring& name) { c_.Label8.SetText(name); }

  Timer& Boucle;              // join watcher and push-to-talk watch, 100 ms
  Timer& BoucleLectPseudo;    // nickname capture, 500 ms
  Timer& PriseMicro;          // microphone request, 50 ms
  Timer& AttenteLacheMicro;   // microphone request, 50 ms
  Timer& TimerEtat;           // room watchdog and microphone countdown, 1000 ms
  Timer& TimerToucheclavier;  // push-to-talk, 100 ms

  CommandButtons& commands() { return commands_; }
  MicroControl& micro() { return micro_; }

 protected:
  void OnLoad() override;
  void OnActivate() override;
  bool OnCloseRequest() override { return false; }  // only "Quitter" and the watchdog end it

 private:
  // The menu items that show an option's state.
  struct OptionMenus {
    MenuItem& AnnonceEntree;
    MenuItem& SalutNewUser;
    MenuItem& signe;
  };
  PanelControls AddControls();
  void AddCommandButtons();
  OptionMenus AddMenus();
  void BindOption(MenuItem& item, bool& flag, const std::wstring& key);
  void ChoixWavEntree_Click();
  void changepseudoroombot_Click();
  void Mesgusers_Click();
  void standby_Click();
  void Quitter_Click();
  void TimerEtat_Tick();
  // Takes the room's controls again when the client replaced some; ends the program when the
  // room's chat, input box or first button has gone.
  void RoomWatchdog();

  WindowContext ctx_;
  PanelControls c_;
  OptionMenus menus_;
  UserSelection selection_;
  CommandButtons commands_;
  MicroControl micro_;
  JoinWatcher joins_;
  std::wstring lastChosenSound_;  // the file dialog keeps the last name chosen
};

}  // namespace vl
