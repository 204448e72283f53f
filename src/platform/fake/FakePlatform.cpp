#include "platform/fake/FakePlatform.h"

#include "platform/ui/Form.h"

namespace vl {
namespace {

// Thrown by EndProgram and caught by the outermost Deliver: the program's own code never
// catches it, so nothing of it runs after the end.
struct ProgramEnded {};

}  // namespace

FakePlatform::FakePlatform()
    : clock_(*this), desktop_(clock_), windows_(*this), dialogs_(clock_), sound_(clock_) {}

void FakePlatform::EndProgram() {
  if (!endedAt_) endedAt_ = clock_.Now();
  throw ProgramEnded{};
}

bool FakePlatform::Deliver(const std::function<void()>& event) {
  if (Ended()) return false;
  ++depth_;
  try {
    event();
  } catch (const ProgramEnded&) {
    if (--depth_ > 0) throw;
    return true;
  } catch (...) {
    --depth_;
    throw;
  }
  --depth_;
  return true;
}

bool FakePlatform::Click(Control& c) {
  return Deliver([&] { c.UserClick(); });
}
bool FakePlatform::DblClick(Control& c) {
  // Windows sends a click before the double click.
  return Deliver([&] { c.UserClick(); }) && Deliver([&] { c.UserDblClick(); });
}
bool FakePlatform::MouseDown(Control& c, MouseButton b) {
  return Deliver([&] { c.UserMouseDown(b); });
}
bool FakePlatform::MouseUp(Control& c, MouseButton b) {
  return Deliver([&] { c.UserMouseUp(b); });
}
bool FakePlatform::Press(Control& c, MouseButton b) {
  return MouseDown(c, b) && MouseUp(c, b);
}
bool FakePlatform::KeyDown(Control& c, int keyCode) {
  return Deliver([&] { c.UserKeyDown(keyCode); });
}
bool FakePlatform::Type(Control& c, const std::wstring& text) {
  return Deliver([&] { c.UserEditedText(text); });
}
bool FakePlatform::TypeChar(Control& c, wchar_t character) {
  return Deliver([&] {
    c.UserChar(character);
    std::wstring text = c.Text();
    if (character == L'\b' && !text.empty()) {
      text.pop_back();
    } else if (character >= L' ') {
      text += character;
    }
    c.UserEditedText(std::move(text));
  });
}
bool FakePlatform::Focus(Control& c) {
  return Deliver([&] { c.UserGotFocus(); });
}
bool FakePlatform::ChooseMenu(MenuItem& item) {
  return Deliver([&] { item.UserClick(); });
}
bool FakePlatform::Activate(Form& form) {
  return Deliver([&] { windows_.Activation().WindowActivated(form); });
}
bool FakePlatform::Close(Form& form) {
  return Deliver([&] { form.CloseRequested(); });
}
bool FakePlatform::MouseDownOn(Form& form, MouseButton b) {
  return Deliver([&] { form.UserMouseDown(b); });
}
bool FakePlatform::MouseUpOn(Form& form, MouseButton b) {
  return Deliver([&] { form.UserMouseUp(b); });
}

}  // namespace vl
