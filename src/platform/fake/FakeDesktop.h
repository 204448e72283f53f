// The chat client's windows, in memory: a tree of windows with classes, titles, texts and
// enabled states, and a record of every call the program made on them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ForeignWindows.h"

namespace vl {

class FakeClock;

struct FakeWindow {
  WindowHandle handle = 0;
  WindowHandle parent = 0;
  std::vector<WindowHandle> children;  // in the order FindChild walks them
  std::wstring className;
  std::wstring title;
  std::wstring text;
  // A rich edit's text as its range reads see it, when a test makes it differ from the text
  // with each CR LF as one "\r" (as the real control keeps it).
  std::optional<std::wstring> richText;
  bool enabled = true;
  // What the client takes to answer a range read away from the text's start (a long chat's
  // walk through its paragraphs) and a whole read: the clock moves by it during the call.
  int endRangeMs = 0;
  int wholeReadMs = 0;
  bool wholeReadFails = false;  // a busy client whose whole copy does not come in time
  // A client run with higher rights: the system refuses every line sent to this input box.
  bool refusesLines = false;
  // A slow client: a line sent to this input box is taken only at the test's CatchUp().
  bool takesLinesLate = false;
  // The client's reaction to button messages, and to its text being set.
  std::function<void()> onButtonDown;
  std::function<void()> onButtonUp;
  std::function<void()> onTextSet;
};

struct ForeignCall {
  enum class Kind { SetText, ButtonDown, ButtonUp, ReadText, ReadEnd };  // ReadEnd: from > 0
  std::uint64_t timeMs;
  Kind kind;
  WindowHandle window;
  std::wstring text;  // SetText only
};

class FakeDesktop : public ForeignWindows {
 public:
  explicit FakeDesktop(FakeClock& clock) : clock_(clock) {}

  WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                         std::wstring_view className) override;
  WindowHandle Parent(WindowHandle window) override;
  std::wstring ClassName(WindowHandle window) override;
  std::wstring Title(WindowHandle window) override;
  WindowHandle WindowAtPoint(Point screen) override;
  Point CursorPosition() override { return cursor_; }
  int TextLength(WindowHandle window) override;
  void ReadText(WindowHandle window, std::wstring& out) override;
  int RichTextLength(WindowHandle window) override;
  bool ReadRichText(WindowHandle window, int from, int to, std::wstring& out) override;
  bool SetText(WindowHandle window, std::wstring_view text) override;
  void ButtonDown(WindowHandle window) override;
  void ButtonUp(WindowHandle window) override;
  bool IsEnabled(WindowHandle window) override;
  SentLine SendLine(WindowHandle input, WindowHandle button, std::wstring_view text) override;

  // Test side.
  // The slow client takes the lines it was sent, in order, or (`take` false) loses them, as a
  // client that hung before it could.
  void CatchUp(bool take = true);
  WindowHandle Create(WindowHandle parent, std::wstring className, std::wstring title = L"");
  // Destroys the window and everything under it; its handle then fails every call.
  void Destroy(WindowHandle window);
  bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
  FakeWindow& Window(WindowHandle window);
  // Puts the pointer at `screen`, over `under` (what WindowAtPoint answers there).
  void PointAt(Point screen, WindowHandle under);
  const std::vector<ForeignCall>& Calls() const { return calls_; }
  std::vector<ForeignCall> CallsTo(WindowHandle window, ForeignCall::Kind kind) const;
  void ClearCalls() { calls_.clear(); }

 private:
  FakeWindow* Get(WindowHandle window);
  // The text a rich edit keeps, valid until the next call; null for a window that is not one.
  const std::wstring* RichText(WindowHandle window);
  void Record(ForeignCall::Kind kind, WindowHandle window, std::wstring text = {});

  FakeClock& clock_;
  std::map<WindowHandle, FakeWindow> windows_;
  WindowHandle nextHandle_ = 0x1000;
  Point cursor_;
  WindowHandle underCursor_ = 0;
  std::vector<ForeignCall> calls_;
  struct LateLine {
    WindowHandle input, button;
    std::wstring text;
    std::shared_ptr<SentLine::Fate> fate;
  };
  std::vector<LateLine> late_;
  std::wstring richSource_, richKept_;  // the last text RichText turned into a rich edit's
};

}  // namespace vl
