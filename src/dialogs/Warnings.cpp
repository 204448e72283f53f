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
constexpr int kListBottom = kListTop + kLines * kLinePitch + 30;

}  // namespace

Warnings::Warnings(App& app)
    : PhrasePicker(app, FormDesign{L"Warnings", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, HeightWithBox(kListBottom), 0xFFFFF0}) {
  AddHeader(L"Label4", L"Phrases d'avertissement (warnings)", L"Label7",
            L"(pseudo rajouté automatiquement)", 120);
  AddPhraseList(L"Shape2", kFirstLine, kLines, kListTop);
  AddCustomBox(L"Label3", L"Label2", kListBottom).onKeyDown = [this](int key) {
    Text1_KeyDown(key);
  };
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
