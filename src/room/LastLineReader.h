// The chat's last complete line, read at a cost that does not grow with the chat: each tick
// asks a rich edit for its length and its first characters; when either changed (and at least
// every 2 s) the end of its text is read by character range, a few hundred characters, and
// its paragraph ends turned into the CR LF that WM_GETTEXT shows. The whole read stays the
// reference: the first read of a chat control, and one now and then after it, reads both ways;
// at the first disagreement every reader of the run goes back to whole reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/ForeignWindows.h"

namespace vl {

// Shared by the readers of one run.
struct ChatReadMode {
  bool wholeReadsOnly = false;  // a range read once disagreed with the whole read
  int checks = 0;               // comparisons made, for tests and the soak
};

// A rich edit's range text as WM_GETTEXT shows it: every "\r" not followed by "\n" becomes
// CR LF (a control that keeps CR LF itself is left as it is).
void ParagraphEndsAsCrLf(std::wstring_view range, std::wstring& out);

class LastLineReader {
 public:
  LastLineReader(ForeignWindows& windows, Clock& clock, ChatReadMode& mode)
      : windows_(windows), clock_(clock), mode_(mode) {}

  // LastChatLine of the control's whole text, a view valid until the next Read. A change that
  // keeps the length and the first characters (a line rewritten at the same length, or one
  // trimmed below a fixed header and one as long added) shows up kRereadMs after the last end
  // read, or kCheckSpacing times what that read took when longer (about 5 ms at 50,000 lines
  // under Wine, where the client walks its paragraphs for it), but never past kMaxRereadMs;
  // any other change at once.
  std::optional<std::wstring_view> Read(WindowHandle chatWindow);
  // The text the last Read looked at: the chat's end as read by range (its first line may be
  // cut), or the whole text. Valid until the next Read.
  std::wstring_view Seen() const { return seenWhole_ ? whole_ : tail_; }

  // A comparison costs the client a copy of its whole chat, tens of milliseconds at 50,000
  // lines: they come the whole read's duration times kCheckSpacing apart, so that they take
  // at most a tenth of a percent of the client's time, and no closer than kMinCheckMs. They
  // have no ceiling: a change is seen without them. Durations are timed with Clock::NowUs,
  // as NowMs moves in 16 ms steps on Windows (a sub-millisecond read would count 0 or 16).
  static constexpr std::uint64_t kMinCheckMs = 5000;
  static constexpr std::uint64_t kCheckSpacing = 1000;
  static constexpr std::uint64_t kRereadMs = 1000;
  static constexpr std::uint64_t kMaxRereadMs = 2000;

 private:
  // Nothing when the control's range cannot be read; the caller reads the whole text then.
  // `fresh`: read the range even when the length has not changed.
  std::optional<std::optional<std::wstring_view>> ReadTail(WindowHandle chatWindow, bool fresh);
  std::optional<std::wstring_view> ReadWhole(WindowHandle chatWindow);

  ForeignWindows& windows_;
  Clock& clock_;
  ChatReadMode& mode_;
  std::wstring range_;  // the tail as the control keeps it
  std::wstring tail_;   // the same with CR LF
  std::wstring whole_;  // only kept when whole reads are all there is
  bool seenWhole_ = false;
  std::optional<std::wstring> checkedAnswer_;
  // The last range read: where, at what length and when, and its answer (a view into tail_).
  WindowHandle tailWindow_ = 0;
  int tailLength_ = -1;
  std::wstring tailHead_, head_;  // the text's first characters then, and now
  std::uint64_t tailAtMs_ = 0;
  std::uint64_t rereadAfterMs_ = kRereadMs;
  std::optional<std::wstring_view> tailAnswer_;
  int span_ = 256;  // characters read from the end; grows to hold the last two line ends
  WindowHandle checkedWindow_ = 0;
  std::uint64_t nextCheckMs_ = 0;
};

}  // namespace vl
