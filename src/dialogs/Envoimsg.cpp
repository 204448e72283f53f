#include "dialogs/Envoimsg.h"

#include "panel/Reglages.h"

namespace vl {
namespace {

constexpr int kWidth = 9240;
const Colour kBlue = 0x0000FF;
const wchar_t* const kTitle =
    L"Envoi d'un message aux bleus, verts, rouges du visio et NIV 1 et 2 du roombot";

}  // namespace

Envoimsg::Envoimsg(const WindowContext& ctx)
    : Form(ctx.platform, FormDesign{L"Envoimsg", L"Envoi d'un message à une catégorie de users",
                                    kWidth, 2340, 0xFFFFFF}),
      ctx_(ctx),
      ReyTextBox1_(LayOut()) {
  ReyTextBox1_.onChar = [this](wchar_t c) { ReyTextBox1_Char(c); };
}

Control& Envoimsg::LayOut() {
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
  Control& box = Add({.name = L"ReyTextBox1",
                      .kind = ControlKind::TextBox,
                      .rect = {120, 1110, kWidth - 240, 330},
                      .back = 0xFFFFFF,
                      .fore = 0x000000});

  // Each button sends its message with the typed text, then the window and the panel step
  // aside.
  struct Row {
    const wchar_t* name;
    const wchar_t* caption;
    Colour back;
    Action action;
  };
  const Row buttons[] = {
      {L"ReyCommand5", L"Envoi aux NIV 1", 0xFFC0FF, Action::MessageNiv1},
      {L"ReyCommand4", L"Envoi aux NIV 1 et 2", 0xFFC0FF, Action::MessageNiv12},
      {L"ReyCommand1", L"Envoi aux bleus + verts + rouges", 0x80FFFF, Action::MessageBleus},
      {L"ReyCommand2", L"Envoi aux verts + rouges", 0x00FF00, Action::MessageVerts},
      {L"ReyCommand3", L"Envoi aux rouges", 0xFF8080, Action::MessageRouges},
  };
  const int width = (kWidth - 240 - 4 * 60) / 5;
  int left = 120;
  for (const Row& b : buttons) {
    Add({.name = b.name,
         .kind = ControlKind::Button,
         .text = b.caption,
         .rect = {left, 1620, width, 495},
         .back = b.back,
         .fore = 0x000000,
         .font = {L"Arial", 8.25, true}})
        .onClick = [this, &box, action = b.action] {
      if (!box.Text().empty()) {
        ctx_.SendCommand({action, L"", box.Text()});
        sentText_ = box.Text();
      }
      Hide();
      ctx_.nav.Panel().Minimize();
    };
    left += width + 60;
  }
  return box;
}

// Placed at the panel only when it is made; later openings show it where it was left.
void Envoimsg::OnLoad() {
  MoveToCornerOf(ctx_.nav.Panel());
  SetAlwaysOnTop();
}

void Envoimsg::Open() {
  Show();
  Focus(ReyTextBox1_);
}

// Typing into the message sent starts a new one: a character that writes (from the keyboard
// or an input method) or Backspace. The control characters of Ctrl+letter do not count, so
// Ctrl+A and Ctrl+C select and copy the message sent, and Ctrl+V pastes into it; nor do keys
// that give no character (the caret keys, Delete). A box already changed otherwise (a paste,
// Delete) holds the moderator's new text, which typing never empties. The character goes
// into the box after the handler.
void Envoimsg::ReyTextBox1_Char(wchar_t character) {
  const bool writes = character == L'\b' || character >= L' ';
  if (!sentText_ || !writes) return;
  if (ReyTextBox1_.Text() == *sentText_) ReyTextBox1_.SetText(L"");
  sentText_.reset();
}

}  // namespace vl
