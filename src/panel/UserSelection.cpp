#include "panel/UserSelection.h"

#include "app/App.h"
#include "panel/Reglages.h"
#include "room/TextOps.h"

namespace vl {

std::optional<std::wstring> CapturedNick(std::wstring_view t) {
  if (!t.ends_with(L", ") && !t.ends_with(L", .")) return std::nullopt;
  size_t comma = t.find(L',');
  size_t blank = t.find(L' ');
  if (blank < comma) return std::nullopt;
  return RemoveAll(RemoveAll(t, L", "), L".");
}

UserSelection::UserSelection(App& app, Reglages& panel) : app_(app), panel_(panel) {
  Control& label = panel[L"Label2"];
  label.onClick = [this] { Label2_Click(); };
  label.onDblClick = [this] { Label2_DblClick(); };
  panel[L"PseudoManu"].onKeyDown = [this](int key) { PseudoManu_KeyDown(key); };
  panel.BoucleLectPseudo.onTick = [this] { BoucleLectPseudo_Tick(); };
}

// The input box is first set to a backspace and then to the marker, so that the client sees
// the box change even when it already held the marker.
void UserSelection::BoucleLectPseudo_Tick() {
  ForeignWindows& windows = app_.platform.foreign();
  const WindowHandle input = app_.room.InputBoxWindow;
  std::wstring& text = app_.ChatText;
  windows.ReadText(input, text);
  std::optional<std::wstring> nick = CapturedNick(RemoveAll(text, std::wstring(1, L'\0')));
  if (!nick) return;
  panel_[L"Label2"].SetText(*nick);
  windows.SetText(input, std::wstring(1, L'\b'));
  windows.SetText(input, kInputMarker);
  panel_.ShowNormal();
}

void UserSelection::Label2_Click() {
  panel_[L"Label2"].SetText(L"");
}

void UserSelection::Label2_DblClick() {
  Control& entry = panel_[L"PseudoManu"];
  entry.SetText(L"");
  entry.SetTop(kManualEntryShown);
  panel_.Focus(entry);
}

void UserSelection::PseudoManu_KeyDown(int keyCode) {
  if (keyCode != kKeyEnter) return;
  Control& entry = panel_[L"PseudoManu"];
  panel_[L"Label2"].SetText(entry.Text());
  entry.SetTop(kManualEntryHidden);
}

}  // namespace vl
