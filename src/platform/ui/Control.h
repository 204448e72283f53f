// A control of one of the program's windows, as plain data: the platform renders it and
// sends the user's actions back through the User* entry points.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace vl {

// A List shows its items one per line, scrolled, for reading only.
enum class ControlKind { Label, Button, TextBox, CheckBox, Frame, Shape, Line, Picture, List };
enum class Alignment { Left, Center };

struct Font {
  std::wstring name = L"MS Sans Serif";
  double points = 8.25;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

class Control;

// What the design of a window gives for one control. For a Line, the rect holds the start
// point (left, top) and the offset to the end point (width, height).
struct ControlDesign {
  std::wstring name{};
  ControlKind kind = ControlKind::Label;
  std::wstring text{};
  Rect rect{};
  Colour back = kDefaultColour;
  Colour fore = kDefaultColour;
  Colour border = kDefaultColour;  // shapes, lines and frames
  Font font{};
  Alignment align = Alignment::Left;
  bool visible = true;
  bool enabled = true;
  Control* container = nullptr;  // the frame it stands in; nullptr: the window itself
};

enum class ControlProperty { Text, Bounds, Visible, Enabled, Colours, Checked, Items };

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control, ControlProperty what) = 0;
};

class Control {
 public:
  explicit Control(ControlDesign design) : d_(std::move(design)) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::wstring& Name() const { return d_.name; }
  ControlKind Kind() const { return d_.kind; }
  Control* Container() const { return d_.container; }
  const Font& GetFont() const { return d_.font; }
  Alignment Align() const { return d_.align; }

  const std::wstring& Text() const { return d_.text; }
  void SetText(std::wstring text);
  const Rect& Bounds() const { return d_.rect; }
  int Left() const { return d_.rect.left; }
  int Top() const { return d_.rect.top; }
  int Width() const { return d_.rect.width; }
  int Height() const { return d_.rect.height; }
  void SetTop(int top);
  void SetBounds(Rect rect);
  bool Visible() const { return d_.visible; }
  void SetVisible(bool visible);
  bool Enabled() const { return d_.enabled; }
  void SetEnabled(bool enabled);
  Colour BackColour() const { return d_.back; }
  Colour ForeColour() const { return d_.fore; }
  Colour BorderColour() const { return d_.border; }
  void SetForeColour(Colour colour);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(std::vector<std::wstring> items);

  // True when the control and every frame it stands in are visible and enabled, so that the
  // user can reach it (a control moved out of the client area still counts as reachable).
  bool Reachable() const;

  // Handlers, set by the window that owns the control.
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onGotFocus;
  std::function<void(MouseButton)> onMouseDown;
  std::function<void(MouseButton)> onMouseUp;
  std::function<void(int keyCode)> onKeyDown;
  // A character typed into a text box, from the keyboard or an input method, before it goes
  // in: a key that writes nothing (a caret key, Ctrl, Ctrl+C's copy) gives none, Backspace
  // gives 8, and Ctrl+letter its control character (Ctrl+A 1, Ctrl+C 3). Enter gives none.
  std::function<void(wchar_t character)> onChar;
  // The text of a text box changed by the user (typed, pasted, cut), after the change.
  std::function<void()> onChange;

  // The user's actions, from the platform. They do nothing on a control that cannot be
  // reached. A click on a check box toggles it before the handler runs.
  void UserClick();
  void UserDblClick();
  void UserGotFocus();
  void UserMouseDown(MouseButton button);
  void UserMouseUp(MouseButton button);
  void UserKeyDown(int keyCode);
  void UserChar(wchar_t character);
  // The user typed into a text box: the text changes without being rendered back.
  void UserEditedText(std::wstring text);

  void SetObserver(ControlObserver* observer) { observer_ = observer; }

 private:
  void Changed(ControlProperty what);

  ControlDesign d_;
  bool checked_ = false;
  std::vector<std::wstring> items_;
  ControlObserver* observer_ = nullptr;
};

}  // namespace vl
