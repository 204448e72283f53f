// The recording form and the sample form.
#include "win32/TestForms.h"

#include "platform/win32/FormWindow.h"

namespace vltest {

using vl::Colour;
using vl::ControlDesign;
using vl::ControlKind;

std::string ButtonName(vl::MouseButton button) {
  switch (button) {
    case vl::MouseButton::Left:
      return "L";
    case vl::MouseButton::Right:
      return "R";
    case vl::MouseButton::Middle:
      return "M";
  }
  return "?";
}

void TestForm::Record(vl::Control& control, const std::string& tag) {
  control.onClick = [this, tag] { events.push_back(tag + ".click"); };
  control.onDblClick = [this, tag] { events.push_back(tag + ".dblclick"); };
  control.onGotFocus = [this, tag] { events.push_back(tag + ".focus"); };
  control.onMouseDown = [this, tag](vl::MouseButton b) {
    events.push_back(tag + ".down:" + ButtonName(b));
  };
  control.onMouseUp = [this, tag](vl::MouseButton b) {
    events.push_back(tag + ".up:" + ButtonName(b));
  };
  control.onKeyDown = [this, tag](int key) {
    events.push_back(tag + ".key:" + std::to_string(key));
  };
}

HWND TestForm::WindowOf(const vl::Control& control) const {
  const auto* window = vl::win32::FormWindow::Of(Hwnd());
  return window != nullptr ? window->ControlWindow(control) : nullptr;
}

void TestForm::OnMouseDown(vl::MouseButton button) {
  events.push_back("down:" + ButtonName(button));
}

void TestForm::OnMouseUp(vl::MouseButton button) {
  events.push_back("up:" + ButtonName(button));
}

namespace {

ControlDesign Design(const wchar_t* name, ControlKind kind, const wchar_t* text, vl::Rect rect,
                     Colour back = vl::kDefaultColour, Colour fore = vl::kDefaultColour) {
  ControlDesign d;
  d.name = name;
  d.kind = kind;
  d.text = text;
  d.rect = rect;
  d.back = back;
  d.fore = fore;
  return d;
}

ControlDesign Inside(ControlDesign d, vl::Control& container) {
  d.container = &container;
  return d;
}

ControlDesign WithFont(ControlDesign d, double points, bool bold) {
  d.font.points = points;
  d.font.bold = bold;
  return d;
}

ControlDesign WithBorder(ControlDesign d, Colour border) {
  d.border = border;
  return d;
}

}  // namespace

SampleForm::SampleForm(vl::Platform& platform)
    : TestForm(platform,
               {L"Sample", L"Verdelune \u2014 \u00e9chantillon", 4260, 5190, sample::kFormBack}),
      shape(Add(WithBorder(Design(L"Shape1", ControlKind::Shape, L"", {15, 120, 4215, 5010}),
                           sample::kShapeBorder))),
      title(Add(WithFont(Design(L"Label1", ControlKind::Label, L"Verdelune", {240, 180, 3000, 375},
                                vl::kDefaultColour, 0xFFFF00),
                         13.5, true))),
      target(Add(Design(L"Label2", ControlKind::Label, L"Zo\u00eb & \u65e5\u672c",
                        {240, 660, 2055, 375}, sample::kLabelBack, sample::kLabelFore))),
      button(Add(WithFont(Design(L"ReyCommand1", ControlKind::Button, L"Kick",
                                 {2460, 600, 1500, 495}, sample::kButtonFace),
                          12, true))),
      frame(Add(Design(L"Frame2", ControlKind::Frame, L"Avec raison", {2100, 1320, 2010, 1420},
                       sample::kFrameBack))),
      frameLabel(Add(Inside(Design(L"Label4", ControlKind::Label, L"Sans raison",
                                   {120, 300, 735, 375}, vl::kDefaultColour, 0x0000C0),
                            frame))),
      frameButton(Add(Inside(
          Design(L"ReyCommand2", ControlKind::Button, L"Puni", {120, 840, 735, 375}, 0xFFC0FF),
          frame))),
      line(Add(Inside(WithBorder(Design(L"Line1", ControlKind::Line, L"", {1000, 240, 0, 1100}),
                                 sample::kLineBorder),
                      frame))),
      edit(Add(Design(L"PseudoManu", ControlKind::TextBox, L"Alice", {240, 1320, 1700, 375},
                      sample::kEditBack, 0xFF0000))),
      check(Add(Design(L"Check1", ControlKind::CheckBox, L"Ne pas montrer", {240, 1920, 1700, 375},
                       sample::kCheckBack))),
      picture(Add(Design(L"Picture1", ControlKind::Picture, L"", {240, 2520, 1200, 1200}))),
      disabled(Add(Design(L"Label3", ControlKind::Label, L"D\u00e9sactiv\u00e9",
                          {2100, 3000, 2010, 375}, vl::kDefaultColour, 0xFFFFFF))),
      emptyFrame(Add(Design(L"Frame3", ControlKind::Frame, L"", {2100, 3600, 2010, 1200}))),
      configure(AddMenu(L"configurer", L"Configurer")),
      greet(AddMenu(L"SalutNewUser", L"Salut auto entr\u00e9e user", &configure)),
      sign(AddMenu(L"signe", L"Signer les kicks de votre pseudo", &configure)),
      pause(AddMenu(L"standby", L"Pause")) {
  disabled.SetEnabled(false);
}

}  // namespace vltest
