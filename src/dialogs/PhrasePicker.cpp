#include "dialogs/PhrasePicker.h"

#include "app/App.h"
#include "panel/Reglages.h"
#include "room/ChatSender.h"

namespace vl {

std::wstring LineName(int index) {
  return L"Label1(" + std::to_wstring(index) + L")";
}

PhrasePicker::PhrasePicker(App& app, FormDesign design)
    : Form(app.platform, std::move(design)), app_(app) {}

void PhrasePicker::AddPhraseLines(int first, int count, int top) {
  first_ = first;
  count_ = count;
  for (int i = first; i < first + count; ++i) {
    Control& line =
        Add({.name = LineName(i),
             .kind = ControlKind::Label,
             .text = L"texte",
             .rect = {180, top + (i - first) * kLinePitch, kPickerWidth - 360, kLineHeight},
             .fore = kPhraseLineColour,
             .font = {L"MS Sans Serif", 8.25, false}});
    line.onMouseDown = [this, &line](MouseButton) { app_.PhraseChoisie = line.Text(); };
    line.onMouseUp = [this](MouseButton) { LineReleased(); };
  }
}

void PhrasePicker::LoadLines() {
  for (int i = first_; i < first_ + count_; ++i) {
    (*this)[LineName(i)].SetText(app_.phrases[static_cast<size_t>(i + 1)]);
  }
}

Reglages& PhrasePicker::Panel() {
  return app_.Panel();
}

const std::wstring& PhrasePicker::Target() {
  return Panel()[L"Label2"].Text();
}

void PhrasePicker::HideAndMinimizePanel() {
  Hide();
  Panel().Minimize();
}

void PhrasePicker::Send(const std::wstring& line) {
  ChatSender(app_.platform, app_.room, line);
}

void PhrasePicker::PlaceAtPanel() {
  Rect panel = Panel().Bounds();
  MoveTo(panel.left, panel.top);
}

}  // namespace vl
