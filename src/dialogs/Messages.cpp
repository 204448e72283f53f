#include "dialogs/Messages.h"

#include "app/App.h"
#include "room/BotLines.h"
#include "room/ChatSender.h"
#include "room/TextOps.h"

namespace vl {
namespace {

constexpr int kFirstLine = 0;
constexpr int kLines = 6;
constexpr int kListTop = 780;

}  // namespace

Messages::Messages(App& app)
    : PhrasePicker(app, FormDesign{L"Messages", L"Messages d'accueil et d'annonces divers",
                                   kPickerWidth, kListTop + kLines * kLinePitch + 270, 0xF0FFF0}) {
  Add({.name = L"erreur",
       .kind = ControlKind::Label,
       .text = L"Pseudo non sélectionné, les messages comportant $N ne  peuvent être émis !",
       .rect = {120, 60, kPickerWidth - 240, 255},
       .fore = 0xFF0000,
       .font = {L"MS Sans Serif", 8.25, true},
       .visible = false});
  AddHeader(L"Label3", L"Phrases d'accueil et annonces", L"Label6", L"($N pour remplacer pseudo)",
            390);
  AddPhraseList(L"Shape1", kFirstLine, kLines, kListTop);
}

void Messages::OnActivate() {
  PlaceAtPanel();
  SetAlwaysOnTop(*this);
  Control& error = (*this)[L"erreur"];
  error.SetVisible(false);
  LoadLines();
  const bool noTarget = Target().empty();
  for (int i = kFirstLine; i < kFirstLine + kLines; ++i) {
    Control& line = (*this)[LineName(i)];
    line.SetEnabled(true);
    if (noTarget && Contains(line.Text(), kNickPlaceholder)) {
      line.SetEnabled(false);
      error.SetVisible(true);
    }
  }
  app_.PhraseChoisie.clear();
}

void Messages::LineReleased() {
  const std::wstring target = Target();
  const std::wstring& phrase = app_.PhraseChoisie;
  if (!target.empty()) {
    Send(ReplaceNickPlaceholder(phrase, target));
  } else if (!Contains(phrase, kNickPlaceholder)) {
    Send(phrase);
  }
  app_.PhraseChoisie.clear();
  HideAndMinimizePanel();
}

}  // namespace vl
