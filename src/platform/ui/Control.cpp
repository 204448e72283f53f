// Property changes are passed on to the renderer; user actions are passed on to the handlers.
#include "platform/ui/Control.h"

namespace vl {

void Control::Changed(ControlProperty what) {
  if (observer_ != nullptr) observer_->ControlChanged(*this, what);
}

void Control::SetText(std::wstring text) {
  if (text == d_.text) return;
  d_.text = std::move(text);
  Changed(ControlProperty::Text);
}

void Control::SetTop(int top) {
  Rect r = d_.rect;
  r.top = top;
  SetBounds(r);
}

void Control::SetBounds(Rect rect) {
  if (rect == d_.rect) return;
  d_.rect = rect;
  Changed(ControlProperty::Bounds);
}

void Control::SetVisible(bool visible) {
  if (visible == d_.visible) return;
  d_.visible = visible;
  Changed(ControlProperty::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == d_.enabled) return;
  d_.enabled = enabled;
  Changed(ControlProperty::Enabled);
}

void Control::SetForeColour(Colour colour) {
  if (colour == d_.fore) return;
  d_.fore = colour;
  Changed(ControlProperty::Colours);
}

void Control::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(ControlProperty::Checked);
}

bool Control::Reachable() const {
  for (const Control* c = this; c != nullptr; c = c->Container()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void Control::UserClick() {
  if (!Reachable()) return;
  if (d_.kind == ControlKind::CheckBox) SetChecked(!checked_);
  if (onClick) onClick();
}

void Control::UserDblClick() {
  if (Reachable() && onDblClick) onDblClick();
}

void Control::UserGotFocus() {
  if (Reachable() && onGotFocus) onGotFocus();
}

void Control::UserMouseDown(MouseButton button) {
  if (Reachable() && onMouseDown) onMouseDown(button);
}

void Control::UserMouseUp(MouseButton button) {
  if (Reachable() && onMouseUp) onMouseUp(button);
}

void Control::UserKeyDown(int keyCode) {
  if (Reachable() && onKeyDown) onKeyDown(keyCode);
}

void Control::UserChar(wchar_t character) {
  if (Reachable() && onChar) onChar(character);
}

void Control::UserEditedText(std::wstring text) {
  if (!Reachable()) return;
  d_.text = std::move(text);
  if (onChange) onChange();
}

void Control::SetItems(std::vector<std::wstring> items) {
  items_ = std::move(items);
  Changed(ControlProperty::Items);
}

}  // namespace vl
