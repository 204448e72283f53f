// The chat client's windows, reached only through window calls. Every call is bounded: a
// window that has gone, or a client that hangs, gives the "failed" result named below and
// never blocks the program.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace vl {

// The most characters a read takes out of the client: 12 million, room for a chat of 200,000
// lines of 60 characters. A client that claims more (a length of 2^31 - 1) gets what the
// ceiling allows, never a buffer of its choosing.
inline constexpr int kMaxReadChars = 12'000'000;
// The most characters a range read asks for: the block the client lends must never grow to
// the size of a chat without line ends.
inline constexpr int kMaxRangeChars = 65'536;

// What became of a line sent with SendLine: the text, the button's press and its release
// reach the client whole, in order, or none of them is sent.
class SentLine {
 public:
  // A line that was started: waiting for a slow client, in its hands whole (taken), or
  // dropped whole because the client hung before it could take the text.
  enum class Fate { Waiting, Taken, Dropped };

  SentLine() = default;  // not started: nothing reached the client
  // The client refused the messages (a client run with higher rights than the program).
  static SentLine Refused() {
    SentLine line;
    line.refused_ = true;
    return line;
  }
  static SentLine Started(std::shared_ptr<const Fate> fate) {
    SentLine line;
    line.fate_ = std::move(fate);
    return line;
  }
  static SentLine Taken() { return Started(std::make_shared<const Fate>(Fate::Taken)); }

  bool WasStarted() const { return fate_ != nullptr; }
  bool WasRefused() const { return refused_; }
  bool IsTaken() const { return fate_ != nullptr && *fate_ == Fate::Taken; }
  bool IsDropped() const { return fate_ != nullptr && *fate_ == Fate::Dropped; }
  bool IsWaiting() const { return fate_ != nullptr && *fate_ == Fate::Waiting; }

 private:
  std::shared_ptr<const Fate> fate_;
  bool refused_ = false;
};

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

  // WM_GETTEXTLENGTH, at most kMaxReadChars; 0 on failure.
  virtual int TextLength(WindowHandle window) = 0;
  // WM_GETTEXT of the whole text into `out`, at most its first kMaxReadChars characters (its
  // storage reused between calls, so that a reader that ticks does not allocate anew each
  // time). Empty on failure.
  virtual void ReadText(WindowHandle window, std::wstring& out) = 0;
  // A rich edit's text as the control keeps it, where a paragraph end is the one character
  // "\r" that WM_GETTEXT shows as CR LF: its length (EM_GETTEXTLENGTHEX), and the characters
  // [from, to) of it (EM_GETTEXTRANGE), at most kMaxRangeChars of them. Neither message has its
  // buffer copied across processes, so both go through memory lent by the client. -1 / false for a
  // window that is not a Unicode rich edit, that has gone or hangs, or whose process lends no
  // memory: the caller then reads the whole text. Both cost the same whatever the length of the
  // text.
  virtual int RichTextLength(WindowHandle /*window*/) { return -1; }
  virtual bool ReadRichText(WindowHandle /*window*/, int /*from*/, int /*to*/,
                            std::wstring& /*out*/) {
    return false;
  }
  // WM_SETTEXT; false on failure. Across processes the text ends at its first NUL.
  virtual bool SetText(WindowHandle window, std::wstring_view text) = 0;
  // One line into the client: `text` into `input`, then a press and a release of `button`,
  // whole or not at all. A client that is slow gets the rest without the program waiting
  // for it; a client that hangs gets nothing.
  virtual SentLine SendLine(WindowHandle input, WindowHandle button, std::wstring_view text) {
    if (!SetText(input, text)) return {};
    ButtonDown(button);
    ButtonUp(button);
    return SentLine::Taken();
  }
  // The text alone, by the same path: after the lines before it, whole or not at all.
  virtual SentLine ReplaceText(WindowHandle input, std::wstring_view text) {
    return SetText(input, text) ? SentLine::Taken() : SentLine();
  }
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
