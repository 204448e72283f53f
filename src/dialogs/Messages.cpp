#include "dialogs/Messages.h"

#include "room/BotLines.h"
#include "room/TextOps.h"

namespace vl {
namespace {

constexpr int kFirstLine = 0;
constexpr int kLines = 6;
constexpr int kListTop = 930;

}  // namespace

Messages::Messages(const WindowContext& ctx)
    : PhrasePicker(ctx, FormDesign{L"Messages", L"Messages d'accueil et d'annonces divers",
                                   kPickerWidth, kListTop + kLines * kLinePitch + 270, 0xF0FFF0}),
      erreur_(LayOut()) {}

Control& Messages::LayOut() {
  Control& erreur =
      Add({.name = L"erreur",
           .kind = ControlKind::Label,
           .text = L"Pseudo non sélectionné, les messages comportant $N ne  peuvent être émis !",
           .rect = {120, 60, kPickerWidth - 240, 420},  // it wraps at this width
           .fore = 0xFF0000,
           .font = {L"MS Sans Serif", 8.25, true},
           .visible = false});
  AddHeader(L"Label3", L"Phrases d'accueil et annonces", L"Label6", L"($N pour remplacer pseudo)",
            540);
  AddPhraseList(L"Shape1", kFirstLine, kLines, kListTop);
  return erreur;
}

void Messages::OnActivate() {
  PlaceAtPanel();
  SetAlwaysOnTop();
  erreur_.SetVisible(false);
  LoadLines();
  const bool noTarget = Target().empty();
  for (Control* line : Lines()) {
    line->SetEnabled(true);
    if (noTarget && Contains(line->Text(), kNickPlaceholder)) {
      line->SetEnabled(false);
      erreur_.SetVisible(true);
    }
  }
  PhraseChoisie.clear();
}

void Messages::LineReleased() {
  const std::wstring target = Target();
  if (!target.empty() || !Contains(PhraseChoisie, kNickPlaceholder)) {
    ctx_.SendCommand({Action::Announcement, target, PhraseChoisie});
  }
  PhraseChoisie.clear();
  HideAndMinimizePanel();
}

}  // namespace vl
