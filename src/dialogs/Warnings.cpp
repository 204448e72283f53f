#include "dialogs/Warnings.h"

#include "app/App.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

constexpr int kFirstLine = 6;
constexpr int kLines = 7;
constexpr int kListTop = 480;
constexpr int kBoxTop = kListTop + kLines * kLinePitch + 240;

}  // namespace

Warnings::Warnings(App& app)
    : PhrasePicker(app, FormDesign{L"Warnings", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, kBoxTop + 735, 0xFFFFF0}) {
  const Font bold{L"MS Sans Serif", 8.25, true};
  const Font small{L"MS Sans Serif", 8.25, false};
  Add({.name = L"Label4",
       .kind = ControlKind::Label,
       .text = L"Phrases d'avertissement (warnings)",
       .rect = {120, 120, 2880, 255},
       .fore = 0x0000FF,
       .font = bold});
  Add({.name = L"Label7",
       .kind = ControlKind::Label,
       .text = L"(pseudo rajouté automatiquement)",
       .rect = {3000, 120, 2280, 255},
       .fore = 0x008000,
       .font = small});
  Add({.name = L"Shape2",
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
  Add({.name = L"Label2",
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

// Every activation, not only the first showing, brings it back to the panel's corner.
void Warnings::OnActivate() {
  PlaceAtPanel();
  SetAlwaysOnTop(*this);
  LoadLines();
  app_.PhraseChoisie.clear();
}

void Warnings::LineReleased() {
  const std::wstring target = Target();
  if (!app_.shared.BotNick.empty() && !target.empty()) {
    if (app_.PhraseChoisie.empty()) return;  // an empty line: the picker stays open
    Send(WarningLine(target, app_.PhraseChoisie));
    app_.PhraseChoisie.clear();
    Panel().SetHeight(kPanelHeightAfterWarning);
  }
  HideAndMinimizePanel();
}

void Warnings::Text1_KeyDown(int keyCode) {
  Control& box = (*this)[L"Text1"];
  const std::wstring target = Target();
  if (keyCode != kKeyEnter || app_.shared.BotNick.empty() || target.empty() || box.Text().empty()) {
    return;
  }
  Send(WarningLine(target, box.Text()));
  box.SetText(L"");
  HideAndMinimizePanel();
}

}  // namespace vl
