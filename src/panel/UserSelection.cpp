#include "panel/UserSelection.h"

#include "panel/Reglages.h"
#include "room/TextOps.h"

namespace vl {

UserSelection::UserSelection(const WindowContext& ctx, Reglages& panel, const PanelControls& c)
    : ctx_(ctx), panel_(panel), Label2_(c.Label2), PseudoManu_(c.PseudoManu) {
  Label2_.onClick = [this] { Label2_Click(); };
  Label2_.onDblClick = [this] { Label2_DblClick(); };
  PseudoManu_.onKeyDown = [this](int key) { PseudoManu_KeyDown(key); };
  panel.BoucleLectPseudo.onTick = [this] { BoucleLectPseudo_Tick(); };
}

// The input box is first set to a backspace and then to the marker, so that the client sees
// the box change even when it already held the marker.
void UserSelection::BoucleLectPseudo_Tick() {
  ForeignWindows& windows = ctx_.platform.foreign();
  const WindowHandle input = ctx_.records.room.InputBoxWindow;
  windows.ReadText(input, input_);
  const std::wstring box = RemoveAll(input_, std::wstring(1, L'\0'));
  markerLeft_ = markerLeft_ && (box.starts_with(kInputMarker) || box.ends_with(kInputMarker));
  std::optional<std::wstring> nick = CapturedNick(box, markerLeft_);
  if (!nick) return;
  Label2_.SetText(*nick);
  windows.ReplaceText(input, std::wstring(1, L'\b'));
  markerLeft_ = windows.ReplaceText(input, kInputMarker).WasStarted();
  panel_.ShowNormal();
}

void UserSelection::Label2_Click() {
  Label2_.SetText(L"");
}

void UserSelection::Label2_DblClick() {
  PseudoManu_.SetText(L"");
  PseudoManu_.SetTop(kManualEntryShown);
  panel_.Focus(PseudoManu_);
}

void UserSelection::PseudoManu_KeyDown(int keyCode) {
  if (keyCode != kKeyEnter) return;
  Label2_.SetText(PseudoManu_.Text());
  PseudoManu_.SetTop(kManualEntryHidden);
}

}  // namespace vl
