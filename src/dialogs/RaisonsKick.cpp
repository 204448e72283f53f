#include "dialogs/RaisonsKick.h"

#include "app/App.h"
#include "room/BotLines.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

constexpr int kFirstLine = 13;
constexpr int kLines = 9;
constexpr int kListTop = 480;
constexpr int kListBottom = kListTop + kLines * kLinePitch + 30;

}  // namespace

RaisonsKick::RaisonsKick(App& app)
    : PhrasePicker(app, FormDesign{L"RaisonsKick", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, HeightWithBox(kListBottom), 0xFFF8E8}) {
  AddHeader(L"Label2", L"Raisons pour kick et puni", L"Label5", L"(pseudo rajouté automatiquement)",
            120);
  AddPhraseList(L"Shape3", kFirstLine, kLines, kListTop);
  AddCustomBox(L"Label3", L"Label4", kListBottom).onKeyDown = [this](int key) {
    Text1_KeyDown(key);
  };
}

void RaisonsKick::OnActivate() {
  SetAlwaysOnTop(*this);
  LoadLines();
  app_.PhraseChoisie.clear();
}

void RaisonsKick::LineReleased() {
  const std::wstring target = Target();
  if (!app_.shared.BotNick.empty() && !target.empty()) {
    SendRequests(target, app_.PhraseChoisie, /*stored=*/true);
    app_.PhraseChoisie.clear();
  }
  EndPick();
}

void RaisonsKick::Text1_KeyDown(int keyCode) {
  const std::wstring target = Target();
  if (keyCode != kKeyEnter || app_.shared.BotNick.empty() || target.empty()) return;
  Control& box = (*this)[L"Text1"];
  SendRequests(target, box.Text(), /*stored=*/false);
  box.SetText(L"");
  EndPick();
}

// Kick first, then punish. A stored reason that is empty gives the verb alone; a typed one,
// even empty, follows the verb after a blank.
void RaisonsKick::SendRequests(const std::wstring& target, const std::wstring& reason,
                               bool stored) {
  const PanelState& p = app_.panel;
  const std::wstring& bot = app_.shared.BotNick;
  const std::wstring sign = Signature(p.SignerKicks, app_.shared.OwnNick);
  for (auto [requested, command] :
       {std::pair{p.DemandeKick, verb::kKick}, std::pair{p.DemandePuni, verb::kPuni}}) {
    if (!requested) continue;
    Send(stored && reason.empty() ? BareReasonLine(bot, target, command, sign)
                                  : ReasonLine(bot, target, command, reason, sign));
  }
}

void RaisonsKick::EndPick() {
  HideAndMinimizePanel();
  app_.panel.DemandeKick = false;
  app_.panel.DemandePuni = false;
}

}  // namespace vl
