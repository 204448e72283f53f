// The chat client's windows, reached only through window calls. Every call is bounded: a
// window that has gone, or a client that hangs, gives the "failed" result named below and
// never blocks the program.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

namespace vl {

class ForeignWindows {
 public:
  virtual ~ForeignWindows() = default;

  // First direct child of `parent` of class `className` after the child `after` (0: from the
  // first child), in the platform's order of children. 0 when none (or parent invalid).
  virtual WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                                 std::wstring_view className) = 0;
  // Parent window, 0 when none.
  virtual WindowHandle Parent(WindowHandle window) = 0;
  // Class name and title, at most 255 characters; "" on failure.
  virtual std::wstring ClassName(WindowHandle window) = 0;
  virtual std::wstring Title(WindowHandle window) = 0;
  // Window under a point of the screen (pixels), and the pointer's position.
  virtual WindowHandle WindowAtPoint(Point screen) = 0;
  virtual Point CursorPosition() = 0;

  // WM_GETTEXTLENGTH; 0 on failure.
  virtual int TextLength(WindowHandle window) = 0;
  // WM_GETTEXT of the whole text into `out` (its storage reused between calls, so that a
  // reader that ticks does not allocate anew each time). Empty on failure.
  virtual void ReadText(WindowHandle window, std::wstring& out) = 0;
  // A rich edit's text as the control keeps it, where a paragraph end is the one character
  // "\r" that WM_GETTEXT shows as CR LF: its length (EM_GETTEXTLENGTHEX), and the characters
  // [from, to) of it (EM_GETTEXTRANGE). Neither message has its buffer copied across
  // processes, so both go through memory lent by the client. -1 / false for a window that is
  // not a Unicode rich edit, that has gone or hangs, or whose process lends no memory: the
  // caller then reads the whole text. Both cost the same whatever the length of the text.
  virtual int RichTextLength(WindowHandle /*window*/) { return -1; }
  virtual bool ReadRichText(WindowHandle /*window*/, int /*from*/, int /*to*/,
                            std::wstring& /*out*/) {
    return false;
  }
  // WM_SETTEXT; false on failure.
  virtual bool SetText(WindowHandle window, std::wstring_view text) = 0;
  // WM_LBUTTONDOWN / WM_LBUTTONUP with wParam 0 and lParam 0.
  virtual void ButtonDown(WindowHandle window) = 0;
  virtual void ButtonUp(WindowHandle window) = 0;
  // IsWindowEnabled; false for a window that is not valid.
  virtual bool IsEnabled(WindowHandle window) = 0;

  std::wstring Text(WindowHandle window) {
    std::wstring text;
    ReadText(window, text);
    return text;
  }
};

}  // namespace vl
