#include "dialogs/Warnings.h"

#include "panel/Reglages.h"

namespace vl {
namespace {

constexpr int kFirstLine = 6;
constexpr int kLines = 7;
constexpr int kListTop = 480;
constexpr int kListBottom = kListTop + kLines * kLinePitch + 30;

}  // namespace

Warnings::Warnings(const WindowContext& ctx)
    : PhrasePicker(ctx, FormDesign{L"Warnings", L"Messages de raison et d'annonces divers",
                                   kPickerWidth, HeightWithBox(kListBottom), 0xFFFFF0}),
      Text1_(LayOut()) {
  Text1_.onKeyDown = [this](int key) { Text1_KeyDown(key); };
}

Control& Warnings::LayOut() {
  AddHeader(L"Label4", L"Phrases d'avertissement (warnings)", L"Label7",
            L"(pseudo rajouté automatiquement)", 120);
  AddPhraseList(L"Shape2", kFirstLine, kLines, kListTop);
  return AddCustomBox(L"Label3", L"Label2", kListBottom);
}

// Every activation, not only the first showing, brings it back to the panel's corner.
void Warnings::OnActivate() {
  PlaceAtPanel();
  SetAlwaysOnTop();
  LoadLines();
  PhraseChoisie.clear();
  Focus(Text1_);  // the keyboard goes to the box, ready for a reason of the moment
}

void Warnings::LineReleased() {
  const std::wstring target = Target();
  if (!ctx_.records.shared.BotNick.empty() && !target.empty()) {
    if (PhraseChoisie.empty()) return;  // an empty line: the picker stays open
    ctx_.SendCommand({Action::Warning, target, PhraseChoisie});
    PhraseChoisie.clear();
    Panel().SetHeight(kPanelHeightAfterWarning);
  }
  HideAndMinimizePanel();
}

void Warnings::Text1_KeyDown(int keyCode) {
  const std::wstring target = Target();
  if (keyCode != kKeyEnter || ctx_.records.shared.BotNick.empty() || target.empty() ||
      Text1_.Text().empty()) {
    return;
  }
  ctx_.SendCommand({Action::Warning, target, Text1_.Text()});
  Text1_.SetText(L"");
  HideAndMinimizePanel();
}

}  // namespace vl
