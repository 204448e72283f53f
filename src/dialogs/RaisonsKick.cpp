#include "dialogs/RaisonsKick.h"

#include "room/BotLines.h"

namespace vl {
namespace {

constexpr int kFirstLine = 13;
constexpr int kLines = 9;
constexpr int kListTop = 480;
constexpr int kListBottom = kListTop + kLines * kLinePitch + 30;

}  // namespace

RaisonsKick::RaisonsKick(const WindowContext& ctx)
    : PhrasePicker(ctx, FormDesign{L"RaisonsKick", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, HeightWithBox(kListBottom), 0xFFF8E8}),
      Text1_(LayOut()) {
  Text1_.onKeyDown = [this](int key) { Text1_KeyDown(key); };
}

Control& RaisonsKick::LayOut() {
  AddHeader(L"Label2", L"Raisons pour kick et puni", L"Label5", L"(pseudo rajouté automatiquement)",
            120);
  AddPhraseList(L"Shape3", kFirstLine, kLines, kListTop);
  return AddCustomBox(L"Label3", L"Label4", kListBottom);
}

void RaisonsKick::OnActivate() {
  SetAlwaysOnTop();
  LoadLines();
  PhraseChoisie.clear();
  Focus(Text1_);  // the keyboard goes to the box, ready for a reason of the moment
}

void RaisonsKick::LineReleased() {
  const std::wstring target = Target();
  if (!ctx_.records.shared.BotNick.empty() && !target.empty()) {
    SendRequests(target, PhraseChoisie, /*stored=*/true);
    PhraseChoisie.clear();
  }
  EndPick();
}

void RaisonsKick::Text1_KeyDown(int keyCode) {
  const std::wstring target = Target();
  if (keyCode != kKeyEnter || ctx_.records.shared.BotNick.empty() || target.empty()) return;
  SendRequests(target, Text1_.Text(), /*stored=*/false);
  Text1_.SetText(L"");
  EndPick();
}

// Kick first, then punish. A stored reason that is empty gives the verb alone; a typed one,
// even empty, follows the verb after a blank.
void RaisonsKick::SendRequests(const std::wstring& target, const std::wstring& reason,
                               bool stored) {
  const PanelState& p = ctx_.records.panel;
  const std::wstring& bot = ctx_.records.shared.BotNick;
  const std::wstring sign = Signature(p.SignerKicks, ctx_.records.shared.OwnNick);
  for (auto [requested, command] :
       {std::pair{p.DemandeKick, verb::kKick}, std::pair{p.DemandePuni, verb::kPuni}}) {
    if (!requested) continue;
    ctx_.SendToRoom(stored && reason.empty() ? BareReasonLine(bot, target, command, sign)
                                             : ReasonLine(bot, target, command, reason, sign));
  }
}

void RaisonsKick::EndPick() {
  HideAndMinimizePanel();
  ctx_.records.panel.DemandeKick = false;
  ctx_.records.panel.DemandePuni = false;
}

}  // namespace vl
