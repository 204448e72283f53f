#include "dialogs/PhrasePicker.h"

#include "panel/Reglages.h"

namespace vl {

std::wstring LineName(int index) {
  return L"Label1(" + std::to_wstring(index) + L")";
}

PhrasePicker::PhrasePicker(const WindowContext& ctx, FormDesign design)
    : Form(ctx.platform, std::move(design)), ctx_(ctx) {}

namespace {

const Font kTitleFont{L"MS Sans Serif", 8.25, true};
const Colour kTitleColour = 0x0000FF;
const Colour kNoteColour = 0x008000;

}  // namespace

void PhrasePicker::AddHeader(const wchar_t* titleName, const wchar_t* title,
                             const wchar_t* noteName, const wchar_t* note, int top) {
  Add({.name = titleName,
       .kind = ControlKind::Label,
       .text = title,
       .rect = {120, top, 2880, 255},
       .fore = kTitleColour,
       .font = kTitleFont});
  Add({.name = noteName,
       .kind = ControlKind::Label,
       .text = note,
       .rect = {3060, top, kPickerWidth - 3180, 255},
       .fore = kNoteColour});
}

int PhrasePicker::AddPhraseList(const wchar_t* shapeName, int first, int count, int top) {
  const int bottom = top + count * kLinePitch + 30;
  Add({.name = shapeName,
       .kind = ControlKind::Shape,
       .rect = {60, top - 90, kPickerWidth - 120, bottom - top + 90},
       .border = kPhraseLineColour});
  AddPhraseLines(first, count, top);
  return bottom;
}

Control& PhrasePicker::AddCustomBox(const wchar_t* titleName, const wchar_t* noteName, int top) {
  AddHeader(titleName, L"Raison personnalisée", noteName, L"(touche entrée pour valider)",
            top + 150);
  return Add({.name = L"Text1",
              .kind = ControlKind::TextBox,
              .rect = {120, top + 450, kPickerWidth - 240, 315},
              .back = 0xFFFFFF,
              .fore = 0x000000});
}

void PhrasePicker::AddPhraseLines(int first, int count, int top) {
  first_ = first;
  for (int i = first; i < first + count; ++i) {
    Control& line =
        Add({.name = LineName(i),
             .kind = ControlKind::Label,
             .text = L"texte",
             .rect = {180, top + (i - first) * kLinePitch, kPickerWidth - 360, kLineHeight},
             .fore = kPhraseLineColour,
             .font = {L"MS Sans Serif", 8.25, false}});
    line.onMouseDown = [this, &line](MouseButton) { PhraseChoisie = line.Text(); };
    line.onMouseUp = [this](MouseButton) { LineReleased(); };
    lines_.push_back(&line);
  }
}

void PhrasePicker::LoadLines() {
  for (size_t i = 0; i < lines_.size(); ++i) {
    lines_[i]->SetText(ctx_.records.phrases[static_cast<size_t>(first_) + i + 1]);
  }
}

Reglages& PhrasePicker::Panel() {
  return ctx_.nav.Panel();
}

const std::wstring& PhrasePicker::Target() {
  return Panel().TargetUser();
}

void PhrasePicker::HideAndMinimizePanel() {
  Hide();
  Panel().Minimize();
}

void PhrasePicker::PlaceAtPanel() {
  MoveToCornerOf(Panel());
}

}  // namespace vl
