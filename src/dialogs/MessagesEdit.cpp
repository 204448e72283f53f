#include "dialogs/MessagesEdit.h"

#include <utility>

#include "panel/Reglages.h"

namespace vl {
namespace {

constexpr int kWidth = 7200;
constexpr int kHeight = 9900;
constexpr int kBoxPitch = 315;
constexpr int kGroupGap = 60;
const Colour kGreen = 0x008000;
const Colour kBlue = 0x0000FF;
const Font kBold{L"MS Sans Serif", 8.25, true};

}  // namespace

std::wstring BoxName(int index) {
  return L"Text1(" + std::to_wstring(index) + L")";
}

MessagesEdit::MessagesEdit(const WindowContext& ctx)
    : Form(ctx.platform,
           FormDesign{L"MessagesEdit", L"Choix d'une raison", kWidth, kHeight, 0xFFFFF8}),
      ctx_(ctx) {
  auto label = [this](const wchar_t* name, const wchar_t* text, Rect r, Colour fore, Font f) {
    Add({.name = name,
         .kind = ControlKind::Label,
         .text = text,
         .rect = r,
         .fore = fore,
         .font = f});
  };
  label(L"Label1",
        L"Cliquez sur la phrase à changer, tapez le nouveau texte et validez par \"Entrée\"",
        {120, 60, kWidth - 240, 255}, kGreen, Font{});
  label(L"Label5", L"Les modifications ne seront prises en compte qu'en cliquant sur \"Valider\"",
        {120, 315, kWidth - 240, 255}, kGreen, Font{});
  label(L"Label6", L"Variable :  $N = pseudo du user", {120, 570, kWidth - 240, 255}, kGreen,
        Font{});
  int top = 900;
  // Two lines for the red warning: it wraps at this width.
  AddGroup(L"Phrases d'accueil et annonces", L"Label3", L"Label9", L"($N pour remplacer pseudo)", 0,
           6, top, [&](int& y) {
             label(L"Label10",
                   L"Attention : la première phrase d'accueil est celle qui est émise si "
                   L"l'option \"Salut Auto\" est cochée",
                   {120, y, kWidth - 240, 420}, 0xFF0000, Font{});
             y += 435;
           });
  AddGroup(L"Phrases d'avertissement (warnings) ", L"Label2", L"Label7",
           L"(pseudo rajouté automatiquement)", 6, 7, top);
  AddGroup(L"Raisons pour kick et puni", L"Label4", L"Label8", L"(pseudo rajouté automatiquement)",
           13, 9, top);
  static_assert(kHeight >= 900 + 3 * (285 + kGroupGap) + 435 + 22 * kBoxPitch + 60 + 420 + 60,
                "the buttons lie inside the window");
  Add({.name = L"Valider",
       .kind = ControlKind::Button,
       .text = L"Valider",
       .rect = {kWidth / 2 - 1560, top + 60, 1440, 420},
       .back = 0xC0FFC0,
       .fore = 0x000000,
       .font = kBold})
      .onClick = [this] { Valider_Click(); };
  Add({.name = L"Annuler",
       .kind = ControlKind::Button,
       .text = L"Annuler",
       .rect = {kWidth / 2 + 120, top + 60, 1440, 420},
       .back = 0xFFC0C0,
       .fore = 0x000000,
       .font = kBold})
      .onClick = [this] { Annuler_Click(); };
}

void MessagesEdit::AddGroup(const wchar_t* title, const wchar_t* titleName, const wchar_t* noteName,
                            const wchar_t* note, int firstBox, int count, int& top,
                            const std::function<void(int&)>& addUnderTitle) {
  Add({.name = titleName,
       .kind = ControlKind::Label,
       .text = title,
       .rect = {120, top, 3000, 255},
       .fore = kBlue,
       .font = kBold});
  Add({.name = noteName,
       .kind = ControlKind::Label,
       .text = note,
       .rect = {3240, top, kWidth - 3360, 255},
       .fore = kGreen});
  top += 285;
  if (addUnderTitle) addUnderTitle(top);
  for (int i = firstBox; i < firstBox + count; ++i) {
    Control& box = Add({.name = BoxName(i),
                        .kind = ControlKind::TextBox,
                        .rect = {120, top, kWidth - 240, 300},
                        .back = 0xFFFFFF,
                        .fore = kFreshBoxColour});
    box.onMouseDown = [&box](MouseButton) { box.SetForeColour(kEditedBoxColour); };
    boxes_[static_cast<size_t>(i)] = &box;
    top += kBoxPitch;
  }
  top += kGroupGap;
}

void MessagesEdit::OnLoad() {
  CentreOnScreen();
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->SetText(ctx_.records.phrases[i + 1]);
  }
  mayClose_ = false;
  justOpened_ = true;
}

// Only at the opening: coming back to the editor leaves the keyboard in the box being edited.
void MessagesEdit::OnActivate() {
  if (std::exchange(justOpened_, false)) Focus(*boxes_[0]);
}

void MessagesEdit::Valider_Click() {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    const std::wstring& text = boxes_[i]->Text();
    ctx_.records.phrases[i + 1] = text;
    ctx_.settings.WritePhrase(static_cast<int>(i + 1), text);
  }
  mayClose_ = true;
  RestorePanelOnTop();
  CloseRequested();
}

void MessagesEdit::Annuler_Click() {
  mayClose_ = true;
  CloseRequested();
}

// The close box is refused. A refused closing leaves the panel as it is: putting the panel
// on top would cover the editor that stays open.
bool MessagesEdit::OnCloseRequest() {
  if (!mayClose_) return false;
  RestorePanelOnTop();
  return true;
}

void MessagesEdit::RestorePanelOnTop() {
  if (ctx_.records.panel.PanneauDessus) ctx_.nav.Panel().SetAlwaysOnTop();
}

}  // namespace vl
