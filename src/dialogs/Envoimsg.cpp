#include "dialogs/Envoimsg.h"

#include "app/App.h"
#include "panel/Reglages.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

constexpr int kWidth = 9240;
const Colour kBlue = 0x0000FF;
const wchar_t* const kTitle =
    L"Envoi d'un message aux bleus, verts, rouges du visio et NIV 1 et 2 du roombot";

}  // namespace

Envoimsg::Envoimsg(App& app)
    : Form(app.platform, FormDesign{L"Envoimsg", L"Envoi d'un message à une catégorie de users",
                                    kWidth, 2340, 0xFFFFFF}),
      app_(app) {
  const Font bold{L"MS Sans Serif", 8.25, true};
  Add({.name = L"Label3",
       .kind = ControlKind::Label,
       .text = kTitle,
       .rect = {120, 120, kWidth - 1200, 255},
       .fore = kBlue,
       .font = bold});
  Add({.name = L"Label1",
       .kind = ControlKind::Label,
       .text = kTitle,
       .rect = {960, 420, kWidth - 1080, 255},
       .fore = kBlue,
       .font = bold});
  Add({.name = L"Label2",
       .kind = ControlKind::Label,
       .text = L"Texte du message :",
       .rect = {120, 840, 2400, 255},
       .fore = kBlue});
  Add({.name = L"ReyTextBox1",
       .kind = ControlKind::TextBox,
       .rect = {120, 1110, kWidth - 240, 330},
       .back = 0xFFFFFF,
       .fore = 0x000000})
      .onGotFocus = [this] { ReyTextBox1_GotFocus(); };

  struct Spec {
    const wchar_t* name;
    const wchar_t* caption;
    Colour back;
  };
  const Spec buttons[] = {
      {L"ReyCommand5", L"Envoi aux NIV 1", 0xFFC0FF},
      {L"ReyCommand4", L"Envoi aux NIV 1 et 2", 0xFFC0FF},
      {L"ReyCommand1", L"Envoi aux bleus + verts + rouges", 0x80FFFF},
      {L"ReyCommand2", L"Envoi aux verts + rouges", 0x00FF00},
      {L"ReyCommand3", L"Envoi aux rouges", 0xFF8080},
  };
  const int width = (kWidth - 240 - 4 * 60) / 5;
  int left = 120;
  for (const Spec& b : buttons) {
    Add({.name = b.name,
         .kind = ControlKind::Button,
         .text = b.caption,
         .rect = {left, 1620, width, 495},
         .back = b.back,
         .fore = 0x000000,
         .font = {L"Arial", 8.25, true}});
    left += width + 60;
  }
  auto bind = [this](const wchar_t* name, auto line) {
    (*this)[name].onClick = [this, line] {
      const std::wstring& text = (*this)[L"ReyTextBox1"].Text();
      if (!text.empty()) Send(line(text));
      Hide();
      app_.Panel().Minimize();
    };
  };
  const std::wstring& me = app_.shared.OwnNick;
  const std::wstring& bot = app_.shared.BotNick;
  bind(L"ReyCommand1", [&me](const std::wstring& t) {
    return CategoryMessageLine(UserCategory::BleusEtPlus, t, me);
  });
  bind(L"ReyCommand2", [&me](const std::wstring& t) {
    return CategoryMessageLine(UserCategory::VertsEtRouges, t, me);
  });
  bind(L"ReyCommand3",
       [&me](const std::wstring& t) { return CategoryMessageLine(UserCategory::Rouges, t, me); });
  bind(L"ReyCommand4", [&me, &bot](const std::wstring& t) {
    return LevelMessageLine(bot, BotLevelGroup::Niv12, t, me);
  });
  bind(L"ReyCommand5", [&me, &bot](const std::wstring& t) {
    return LevelMessageLine(bot, BotLevelGroup::Niv1, t, me);
  });
}

// Placed at the panel only when it is made; later openings show it where it was left.
void Envoimsg::OnLoad() {
  Rect panel = app_.Panel().Bounds();
  MoveTo(panel.left, panel.top);
  SetAlwaysOnTop(*this);
}

void Envoimsg::Open() {
  emptyOnEntry_ = true;
  Show();
}

void Envoimsg::ReyTextBox1_GotFocus() {
  if (!emptyOnEntry_) return;
  emptyOnEntry_ = false;
  (*this)[L"ReyTextBox1"].SetText(L"");
}

void Envoimsg::Send(const std::wstring& line) {
  ChatSender(app_.platform, app_.room, line);
}

}  // namespace vl
