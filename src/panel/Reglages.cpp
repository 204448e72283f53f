#include "panel/Reglages.h"

#include "core/BotNick.h"
#include "room/RoomChildren.h"
#include "settings/SettingsKeys.h"

namespace vl {
namespace {

const wchar_t* const kQuitQuestion = L"Attention, vous allez refermer le Bot ! Vous confirmez ?";

}  // namespace

Reglages::Reglages(const WindowContext& ctx)
    : Form(ctx.platform, FormDesign{L"Reglages", L"", 4260, 5190, kDefaultColour}),
      Boucle(AddTimer(L"Boucle", 100, true)),
      BoucleLectPseudo(AddTimer(L"BoucleLectPseudo", 500, false)),
      PriseMicro(AddTimer(L"PriseMicro", 50, false)),
      AttenteLacheMicro(AddTimer(L"AttenteLacheMicro", 50, false)),
      TimerEtat(AddTimer(L"TimerEtat", 1000, true)),
      TimerToucheclavier(AddTimer(L"TimerToucheclavier", 100, false)),
      ctx_(ctx),
      c_(AddControls()),
      menus_(AddMenus()),
      selection_(ctx, *this, c_),
      commands_(ctx, *this, c_),
      micro_(ctx, *this, c_),
      joins_(ctx, *this, micro_) {
  PanelState& p = ctx.records.panel;
  BindOption(menus_.AnnonceEntree, p.SonEntree, key::kAnnSonore);
  BindOption(menus_.SalutNewUser, p.SalutAuto, key::kSalutNouvUser);
  BindOption(menus_.signe, p.SignerKicks, key::kSignekick);
  TimerEtat.onTick = [this] { TimerEtat_Tick(); };
}

void Reglages::OnLoad() {
  SetCaption(L"Verdelune  - V " + ctx_.records.shared.VersionText);
  CentreOnScreen();
  const Settings& settings = ctx_.settings;
  PanelState& p = ctx_.records.panel;
  p.SonEntree = settings.Read(key::kAnnSonore) == L"O";
  menus_.AnnonceEntree.SetChecked(p.SonEntree);
  p.SalutAuto = settings.Read(key::kSalutNouvUser) == L"O";
  menus_.SalutNewUser.SetChecked(p.SalutAuto);
  std::wstring sound = settings.Read(key::kBipEntree);
  p.FichierSonEntree = sound.empty() ? settings.ExecutableFolder() + L"\\ding-dong1.wav" : sound;
  p.SignerKicks = settings.Read(key::kSignekick) == L"O";
  menus_.signe.SetChecked(p.SignerKicks);
  LitMessages();
}

void Reglages::LitMessages() {
  Phrases& phrases = ctx_.records.phrases;
  phrases = Phrases{};
  for (int i = 1; i <= kPhraseCount; ++i) {
    std::wstring value = ctx_.settings.ReadPhrase(i);
    if (!value.empty()) phrases[static_cast<size_t>(i)] = std::move(value);
  }
}

// A notice of pause left in view stays in view while the capture runs again: the next
// "Pause" then stops the capture and leaves it there.
void Reglages::OnActivate() {
  c_.Label7.SetText(ctx_.records.shared.BotNick);
  BoucleLectPseudo.SetEnabled(true);
  SetAlwaysOnTop();
  PanelState& p = ctx_.records.panel;
  p.PanneauDessus = true;
  ctx_.nav.WithdrawReasonRequests();
  p.RobotEnPause = false;
}

// A click toggles the check mark, and the option and its stored value follow it.
void Reglages::BindOption(MenuItem& item, bool& flag, const std::wstring& key) {
  item.onClick = [this, &item, &flag, key] {
    item.SetChecked(!item.Checked());
    flag = item.Checked();
    ctx_.settings.Write(key, flag ? L"O" : L"N");
  };
}

void Reglages::ChoixWavEntree_Click() {
  std::wstring chosen = platform().dialogs().OpenFile(
      ctx_.settings.ExecutableFolder(), L"Fichier de musique au format WAV ", L"*.wav");
  if (!chosen.empty()) lastChosenSound_ = chosen;
  if (lastChosenSound_.empty()) return;
  ctx_.records.panel.FichierSonEntree = lastChosenSound_;
  ctx_.settings.Write(key::kBipEntree, lastChosenSound_);
}

void Reglages::changepseudoroombot_Click() {
  const bool onTop = ctx_.records.panel.PanneauDessus;
  if (onTop) ClearAlwaysOnTop();
  Rect at = Bounds();
  std::wstring nick = platform().dialogs().InputBox(
      L"Vous devez entrer le pseudo du roombot SVP\r\rPseudo du roombot associé ?",
      L"Entrez le pseudo du roombot", ctx_.records.shared.BotNick, at.left + 100, at.top + 100);
  if (onTop) SetAlwaysOnTop();
  AdoptBotNick(ctx_, nick);
  c_.Label7.SetText(nick);
}

void Reglages::Mesgusers_Click() {
  if (ctx_.records.panel.PanneauDessus) ClearAlwaysOnTop();
  ctx_.nav.OpenPhraseEditor();
}

void Reglages::standby_Click() {
  PanelState& p = ctx_.records.panel;
  p.RobotEnPause = !p.RobotEnPause;
  BoucleLectPseudo.SetEnabled(!p.RobotEnPause);
  c_.Label6.SetTop(p.RobotEnPause ? kPauseNoticeShown : kPauseNoticeHidden);
}

void Reglages::Quitter_Click() {
  ClearAlwaysOnTop();
  MessageBoxAnswer answer = platform().dialogs().ShowMessage(kQuitQuestion, L"Confirmation",
                                                             MessageBoxStyle::YesNoQuestion);
  if (answer == MessageBoxAnswer::Yes) platform().EndProgram();
}

// The watchdog first: it may end the program before the countdown moves.
void Reglages::TimerEtat_Tick() {
  RoomWatchdog();
  micro_.CountdownSecond();
}

inline constexpr int kReplacingGraceMs = 100;

void Reglages::RoomWatchdog() {
  ForeignWindows& windows = platform().foreign();
  RoomWindowSet& set = ctx_.records.room;
  // Controls the client replaced are taken again as the attach takes them; holding dead
  // handles would leave the panel looking alive while nothing reaches the room.
  // While every held control is still a child of the room, the room still has its chat,
  // input box and first button; only a change makes the search of its children worth doing.
  if (ControlsStillInRoom(windows, set)) return;
  FindRoomChildren(windows, set.RoomWindow, set, MissingButtons::LeaveEmpty);
  if (IsAttach(set)) return;
  // A client that replaces a control destroys the old one before it makes the new one: seen
  // between the two, the room is not closed. A moment later it is, or it has its controls.
  platform().clock().Sleep(kReplacingGraceMs);
  FindRoomChildren(windows, set.RoomWindow, set, MissingButtons::LeaveEmpty);
  if (!IsAttach(set)) platform().EndProgram();
}

void Reglages::ApplyRestrictedLayout() {
  for (Control* c : {&c_.Label3, &c_.ReyCommand7, &c_.ReyCommand6, &c_.Frame3, &c_.Shape3}) {
    c->SetVisible(false);
  }
  c_.Frame2.SetTop(2400);
  c_.Shape2.SetTop(2365);
  c_.ReyCommand15.SetTop(4200);
}

}  // namespace vl
