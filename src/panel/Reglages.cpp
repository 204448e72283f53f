#include "panel/Reglages.h"

#include "app/App.h"
#include "app/ProgramTitle.h"
#include "room/ChatSender.h"
#include "room/RoomChildren.h"
#include "settings/modIni.h"

namespace vl {
namespace {

const wchar_t* const kQuitQuestion = L"Attention, vous allez refermer le Bot ! Vous confirmez ?";
const wchar_t* const kFarewell = L"Sans roombot je ne sers à rien, adieu !!!";

}  // namespace

Reglages::Reglages(App& app)
    : Form(app.platform, FormDesign{L"Reglages", L"", 4260, 5190, kDefaultColour}),
      Boucle(AddTimer(L"Boucle", 100, true)),
      BoucleLectPseudo(AddTimer(L"BoucleLectPseudo", 500, false)),
      PriseMicro(AddTimer(L"PriseMicro", 50, false)),
      AttenteLacheMicro(AddTimer(L"AttenteLacheMicro", 50, false)),
      TimerEtat(AddTimer(L"TimerEtat", 1000, true)),
      TimerToucheclavier(AddTimer(L"TimerToucheclavier", 100, false)),
      app_(app) {
  AddControls();
  AddMenus();
  selection_ = std::make_unique<UserSelection>(app, *this);
  commands_ = std::make_unique<CommandButtons>(app, *this);
  micro_ = std::make_unique<MicroControl>(app, *this);
  joins_ = std::make_unique<JoinWatcher>(app, *this, *micro_);
  TimerEtat.onTick = [this] { TimerEtat_Tick(); };
}

void Reglages::OnLoad() {
  SetCaption(L"Verdelune  - V " + app_.shared.VersionText);
  CentreOnScreen();
  PanelState& p = app_.panel;
  p.SonEntree = app_.ReadParameter(L"AnnSonore") == L"O";
  Menu(L"AnnonceEntree").SetChecked(p.SonEntree);
  p.SalutAuto = app_.ReadParameter(L"SalutNouvUser") == L"O";
  Menu(L"SalutNewUser").SetChecked(p.SalutAuto);
  std::wstring sound = app_.ReadParameter(L"BipEntree");
  p.FichierSonEntree = sound.empty() ? app_.ExecutableFolder() + L"\\ding-dong1.wav" : sound;
  p.SignerKicks = app_.ReadParameter(L"Signekick") == L"O";
  Menu(L"signe").SetChecked(p.SignerKicks);
  LitMessages();
}

void Reglages::LitMessages() {
  app_.phrases = Phrases{};
  Profile& profile = platform().profile();
  const std::wstring path = app_.SettingsPath();
  for (int i = 1; i <= kPhraseCount; ++i) {
    std::wstring value = LitIni(profile, kSectionRaisons, i, path);
    if (!value.empty()) app_.phrases[static_cast<size_t>(i)] = std::move(value);
  }
}

// A notice of pause left in view stays in view while the capture runs again: the next
// "Pause" then stops the capture and leaves it there.
void Reglages::OnActivate() {
  (*this)[L"Label7"].SetText(app_.shared.BotNick);
  BoucleLectPseudo.SetEnabled(true);
  SetAlwaysOnTop(*this);
  PanelState& p = app_.panel;
  p.PanneauDessus = true;
  p.DemandeKick = false;
  p.DemandePuni = false;
  p.RobotEnPause = false;
}

void Reglages::ToggleOption(MenuItem& item, bool& flag, const std::wstring& key) {
  item.SetChecked(!item.Checked());
  flag = item.Checked();
  app_.WriteParameter(key, flag ? L"O" : L"N");
}

void Reglages::ChoixWavEntree_Click() {
  std::wstring chosen = platform().dialogs().OpenFile(
      app_.ExecutableFolder(), L"Fichier de musique au format WAV ", L"*.wav");
  if (!chosen.empty()) lastChosenSound_ = chosen;
  if (lastChosenSound_.empty()) return;
  app_.panel.FichierSonEntree = lastChosenSound_;
  app_.WriteParameter(L"BipEntree", lastChosenSound_);
}

void Reglages::changepseudoroombot_Click() {
  const bool onTop = app_.panel.PanneauDessus;
  if (onTop) ClearAlwaysOnTop(*this);
  Rect at = Bounds();
  app_.shared.BotNick = platform().dialogs().InputBox(
      L"Vous devez entrer le pseudo du roombot SVP\r\rPseudo du roombot associé ?",
      L"Entrez le pseudo du roombot", app_.shared.BotNick, at.left + 100, at.top + 100);
  if (onTop) SetAlwaysOnTop(*this);
  if (app_.shared.BotNick.empty()) {
    platform().dialogs().ShowMessage(kFarewell, kProgramTitle, MessageBoxStyle::Ok);
    platform().EndProgram();
  }
  app_.WriteParameter(L"Pseudo RoomBot", app_.shared.BotNick);
  (*this)[L"Label7"].SetText(app_.shared.BotNick);
}

void Reglages::Mesgusers_Click() {
  if (app_.panel.PanneauDessus) ClearAlwaysOnTop(*this);
  app_.OpenPhraseEditor();
}

void Reglages::standby_Click() {
  PanelState& p = app_.panel;
  p.RobotEnPause = !p.RobotEnPause;
  BoucleLectPseudo.SetEnabled(!p.RobotEnPause);
  (*this)[L"Label6"].SetTop(p.RobotEnPause ? kPauseNoticeShown : kPauseNoticeHidden);
}

void Reglages::Quitter_Click() {
  ClearAlwaysOnTop(*this);
  MessageBoxAnswer answer = platform().dialogs().ShowMessage(kQuitQuestion, L"Confirmation",
                                                             MessageBoxStyle::YesNoQuestion);
  if (answer == MessageBoxAnswer::Yes) platform().EndProgram();
}

// The watchdog first: it may end the program before the countdown moves.
void Reglages::TimerEtat_Tick() {
  RoomWatchdog();
  micro_->CountdownSecond();
}

void Reglages::RoomWatchdog() {
  ForeignWindows& windows = platform().foreign();
  const WindowHandle room = app_.room.RoomWindow;
  if (windows.FindChild(room, 0, kClassChat) == 0 ||
      windows.FindChild(room, 0, kClassInputBox) == 0 ||
      windows.FindChild(room, 0, kClassButton) == 0) {
    platform().EndProgram();
  }
}

void Reglages::ApplyRestrictedLayout() {
  for (const wchar_t* name : {L"Label3", L"ReyCommand7", L"ReyCommand6", L"Frame3", L"Shape3"}) {
    (*this)[name].SetVisible(false);
  }
  (*this)[L"Frame2"].SetTop(2400);
  (*this)[L"Shape2"].SetTop(2365);
  (*this)[L"ReyCommand15"].SetTop(4200);
}

}  // namespace vl
