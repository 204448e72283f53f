#include "dialogs/RaisonsKick.h"

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

void RaisonsKick::Ask(Action request) {
  (request == Action::Punish ? punish_ : kick_) = true;
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
    SendRequests(target,
                 PhraseChoisie.empty() ? std::nullopt : std::optional<std::wstring>(PhraseChoisie));
    PhraseChoisie.clear();
  }
  EndPick();
}

void RaisonsKick::Text1_KeyDown(int keyCode) {
  const std::wstring target = Target();
  if (keyCode != kKeyEnter || ctx_.records.shared.BotNick.empty() || target.empty()) return;
  SendRequests(target, Text1_.Text());
  Text1_.SetText(L"");
  EndPick();
}

// Kick first, then punish. A typed reason, even empty, follows the verb after a blank.
void RaisonsKick::SendRequests(const std::wstring& target, std::optional<std::wstring> reason) {
  if (kick_) ctx_.SendCommand({Action::Kick, target, reason});
  if (punish_) ctx_.SendCommand({Action::Punish, target, reason});
}

void RaisonsKick::EndPick() {
  HideAndMinimizePanel();
  Withdraw();
}

}  // namespace vl
