#include "dialogs/RaisonsKick.h"

#include "app/App.h"
#include "room/BotLines.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

constexpr int kFirstLine = 13;
constexpr int kLines = 9;
constexpr int kListTop = 480;
constexpr int kBoxTop = kListTop + kLines * kLinePitch + 240;

}  // namespace

RaisonsKick::RaisonsKick(App& app)
    : PhrasePicker(app, FormDesign{L"RaisonsKick", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, kBoxTop + 735, 0xFFF8E8}) {
  const Font bold{L"MS Sans Serif", 8.25, true};
  const Font small{L"MS Sans Serif", 8.25, false};
  Add({.name = L"Label2",
       .kind = ControlKind::Label,
       .text = L"Raisons pour kick et puni",
       .rect = {120, 120, 2400, 255},
       .fore = 0x0000FF,
       .font = bold});
  Add({.name = L"Label5",
       .kind = ControlKind::Label,
       .text = L"(pseudo rajouté automatiquement)",
       .rect = {2520, 120, 2760, 255},
       .fore = 0x008000,
       .font = small});
  Add({.name = L"Shape3",
       .kind = ControlKind::Shape,
       .rect = {60, kListTop - 90, kPickerWidth - 120, kLines * kLinePitch + 120},
       .border = 0x0000C0});
  AddPhraseLines(kFirstLine, kLines, kListTop);
  Add({.name = L"Label3",
       .kind = ControlKind::Label,
       .text = L"Raison personnalisée",
       .rect = {120, kBoxTop - 300, 1800, 255},
       .fore = 0x0000FF,
       .font = bold});
  Add({.name = L"Label4",
       .kind = ControlKind::Label,
       .text = L"(touche entrée pour valider)",
       .rect = {1920, kBoxTop - 300, 2400, 255},
       .fore = 0x008000,
       .font = small});
  Add({.name = L"Text1",
       .kind = ControlKind::TextBox,
       .rect = {120, kBoxTop, kPickerWidth - 240, 315},
       .back = 0xFFFFFF,
       .fore = 0x000000,
       .font = small})
      .onKeyDown = [this](int key) { Text1_KeyDown(key); };
}

void RaisonsKick::OnActivate() {
  SetAlwaysOnTop(*this);
  LoadLines();
  app_.PhraseChoisie.clear();
}

void RaisonsKick::LineReleased() {
  const std::wstring target = Target();
  const std::wstring& bot = app_.shared.BotNick;
  PanelState& p = app_.panel;
  if (!bot.empty() && !target.empty()) {
    const std::wstring sign = Signature(p.SignerKicks, app_.shared.OwnNick);
    const std::wstring reason = app_.PhraseChoisie;
    for (auto [requested, command] :
         {std::pair{p.DemandeKick, verb::kKick}, std::pair{p.DemandePuni, verb::kPuni}}) {
      if (!requested) continue;
      Send(reason.empty() ? BareReasonLine(bot, target, command, sign)
                          : ReasonLine(bot, target, command, reason, sign));
    }
    app_.PhraseChoisie.clear();
  }
  EndPick();
}

void RaisonsKick::Text1_KeyDown(int keyCode) {
  const std::wstring target = Target();
  const std::wstring& bot = app_.shared.BotNick;
  if (keyCode != kKeyEnter || bot.empty() || target.empty()) return;
  PanelState& p = app_.panel;
  const std::wstring sign = Signature(p.SignerKicks, app_.shared.OwnNick);
  Control& box = (*this)[L"Text1"];
  const std::wstring reason = box.Text();
  if (p.DemandeKick) Send(ReasonLine(bot, target, verb::kKick, reason, sign));
  if (p.DemandePuni) Send(ReasonLine(bot, target, verb::kPuni, reason, sign));
  box.SetText(L"");
  EndPick();
}

void RaisonsKick::EndPick() {
  HideAndMinimizePanel();
  app_.panel.DemandeKick = false;
  app_.panel.DemandePuni = false;
}

}  // namespace vl
