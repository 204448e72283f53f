// The screen audit's checks, over one top-level window as the renderer made it: what stands
// in view, whether it straddles the edge of the area it shows in, whether its text fits in
// the font it is drawn in, and whether it overlaps another control without being meant to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/Form.h"

namespace vlaudit {

// How a control lays out its text: labels wrap, our command buttons wrap inside their edge,
// native push buttons, text boxes and check boxes keep one line, a frame's caption one line
// on its top edge.
enum class Fit { None, Wrap, Button, PushButton, Line, CheckBox, Caption };

struct Item {
  std::wstring name;
  HWND hwnd = nullptr;  // null for shapes and lines, which their container paints
  bool visible = true;
  RECT rect{};  // in the top window's client pixels
  HWND parent = nullptr;
  std::wstring text;
  HFONT font = nullptr;
  Fit fit = Fit::None;
  int margins = 0;       // a text box's left and right margins together
  bool overlay = false;  // meant to lie over other controls when shown
};

// The controls of a form, read back from its native windows. A text box's margins are asked
// with a short time-out: its thread may be holding a pause.
std::vector<Item> ItemsOf(const vl::Form& form);
// The children of a dialog box of Windows (message box, input box).
std::vector<Item> ItemsOfDialog(HWND box);

// The faults of a window in one state, each one line naming dpi, window, state and control;
// saves a screenshot of the window as "<dpi>-<window>-<state>.bmp" in VL_AUDIT_DIR. Sends no
// message, so that it may run on another thread while the window's thread pauses.
std::vector<std::string> Audit(HWND top, const std::vector<Item>& items, const std::string& window,
                               const std::string& state);

}  // namespace vlaudit
