// The chat client's windows through the wide window calls. Every message is sent with
// SendMessageTimeoutW (SMTO_ABORTIFHUNG | SMTO_BLOCK), and the calls of one turn of the
// program (a handler, a timer's tick) share one wait on the client, so that the program
// answers the moderator within half a second whatever the client does.
// A call that times out is taken back by the system unless the client had begun it, so a
// probe sent without waiting (SendMessageCallbackW) tells when the client has caught up; until
// then reads fail at once, and lines wait their turn: a line's text goes only into a client
// that has caught up, its press and release follow without waiting (never taken back), and a
// text that timed out is looked for in the box before any click. Only a client that leaves
// the probe unanswered for kHungMs (the system's own rule for a hung window) is taken as
// hung: nothing new is started in it until it answers.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/ForeignWindows.h"

namespace vl::win32 {

class Win32ForeignWindows final : public ForeignWindows {
 public:
  struct ThreadState {
    // Messages sent without waiting, numbered, and the last one answered. The client takes
    // them in order, so an answer tells that those before it are done too, even one whose
    // answer never comes (its window went meanwhile).
    std::uint64_t sent = 0;
    std::uint64_t answered = 0;
    std::uint64_t busySinceMs = 0;  // since when some have been unanswered
    std::uint64_t probedMs = 0;     // when the last probe went
    bool Busy() const { return answered != sent; }
  };
  // Shared with the answers in flight, which may come after this object has gone.
  struct Shared {
    std::unordered_map<unsigned long, ThreadState> threads;  // by thread id
    Win32ForeignWindows* owner = nullptr;
  };

  // What one turn may wait on the client in all: a tick that waits it out, then a click that
  // waits it out too, still leave the click answered within half a second.
  static constexpr unsigned kDefaultTimeoutMs = 200;
  // What a line's text may wait when the turn has nothing left: enough to hand the text over
  // (the client takes it later), so that the second line of a handler is not dropped.
  static constexpr unsigned kLeastSendWaitMs = 20;
  static constexpr std::uint64_t kHungMs = 5000;

  // A turn of the program: every entry into its window procedures opens one. The calls made
  // within it share the budget; a turn opened inside another (a tick under a modal box) has
  // its own. A call made outside any turn has the whole budget to itself.
  class Turn {
   public:
    Turn();
    ~Turn();
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;
  };

  // With VL_WHOLE_CHAT_READS set in the environment the range reads are refused, so that the
  // benchmark can measure the whole read beside them. `timeoutMs`: the budget of a turn.
  explicit Win32ForeignWindows(unsigned timeoutMs = kDefaultTimeoutMs);
  ~Win32ForeignWindows() override;
  Win32ForeignWindows(const Win32ForeignWindows&) = delete;
  Win32ForeignWindows& operator=(const Win32ForeignWindows&) = delete;

  WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                         std::wstring_view className) override;
  WindowHandle Parent(WindowHandle window) override;
  std::wstring ClassName(WindowHandle window) override;
  std::wstring Title(WindowHandle window) override;
  WindowHandle WindowAtPoint(Point screen) override;
  Point CursorPosition() override;
  int TextLength(WindowHandle window) override;
  void ReadText(WindowHandle window, std::wstring& out) override;
  int RichTextLength(WindowHandle window) override;
  bool ReadRichText(WindowHandle window, int from, int to, std::wstring& out) override;
  bool SetText(WindowHandle window, std::wstring_view text) override;
  void ButtonDown(WindowHandle window) override;
  void ButtonUp(WindowHandle window) override;
  // `button` 0: the text alone (ReplaceText).
  SentLine SendLine(WindowHandle input, WindowHandle button, std::wstring_view text) override;
  SentLine ReplaceText(WindowHandle input, std::wstring_view text) override;
  bool IsEnabled(WindowHandle window) override;

  // Gives the block lent by the client back, unless a message that may still write into it
  // is outstanding: on every way out of the program.
  void GiveBack();
  // Goes on with the lines that wait for a client: called when it has caught up.
  void SendWaitingLines();

 private:
  enum class Outcome {
    Answered,
    TimedOut,  // the client may still take it, if it had begun to, or never
    Queued,    // sent without waiting: the client takes it after the others, in order
    NotSent,   // the window has gone, the client hangs, or the turn has no time left
    Refused,   // access denied: a client of higher rights
  };
  enum class Mode {
    Read,      // needs the answer now: not sent while the client catches up
    Start,     // the first message of a write: not sent into a client that hangs
    Continue,  // the rest of a write already started: always sent, never waited for long
  };
  Outcome Call(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
               std::uintptr_t* result = nullptr, Mode mode = Mode::Read);
  // The message's result; false for anything but an answer.
  bool Send(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
            std::uintptr_t* result = nullptr) {
    return Call(window, message, wParam, lParam, result) == Outcome::Answered;
  }
  static bool Hangs(WindowHandle window, const ThreadState& state);
  // Sends `message` (0, 0) without waiting, and counts it in flight until it is answered.
  bool Track(WindowHandle window, unsigned long thread, unsigned message);
  // Makes sure an answer will tell when the client has caught up.
  void Probe(WindowHandle window, unsigned long thread);

  // A line waiting for its client to catch up, or whose text timed out and is to be checked.
  struct WaitingLine {
    WindowHandle input, button;
    unsigned long thread;
    std::wstring text;  // what WM_SETTEXT points to, kept until the client has handled it
    std::shared_ptr<SentLine::Fate> fate =
        std::make_shared<SentLine::Fate>(SentLine::Fate::Waiting);
    // How its text's first try went, for the sender when it is tried at once.
    std::shared_ptr<Outcome> start = std::make_shared<Outcome>(Outcome::Queued);
    int tries = 0;
    bool textMayBeIn = false;
  };
  static constexpr int kMaxTextTries = 3;
  void Click(WaitingLine& line);
  void Drop(Outcome why);  // the first waiting line, with nothing half-done
  std::deque<WaitingLine> waiting_;

  // Memory in the client's process for the messages whose buffers the system does not copy
  // (EM_GETTEXTLENGTHEX, EM_GETTEXTRANGE): one block, kept while the client stays the same.
  struct Loan {
    unsigned long process = 0;
    void* handle = nullptr;
    std::uintptr_t at = 0;  // in the client's address space
    std::size_t size = 0;
    bool client32 = false;  // a 32-bit client: its structures hold 4-byte pointers
    // A message that used the block was not answered in time: the client may still write into
    // it later, so it is never given back.
    bool outstanding = false;
    // What the block's structures hold: under Wine every WriteProcessMemory stops the
    // client's thread (ptrace), so a structure is written only when it changes. The client
    // only reads them.
    bool lengthWritten = false;
    long rangeWritten[2] = {-1, -1};
  };
  // A block of at least `bytes` in the process of `window`, a Unicode rich edit; false when
  // the window is not one or its process lends nothing.
  bool Borrow(WindowHandle window, std::size_t bytes);
  // Writes `bytes` at `offset` of the block; false when the client has gone.
  bool WriteBlock(std::size_t offset, const void* bytes, std::size_t size);
  bool SendBorrowed(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam, std::uintptr_t* result);

  bool rangeReads_ = true;
  Loan loan_;

  unsigned timeoutMs_;
  std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
  std::wstring setTextBuffer_;  // the NUL-terminated copy WM_SETTEXT needs, reused
  // Buttons whose press was not sent: their release is not sent either.
  std::unordered_set<WindowHandle> unpressed_;
  // Texts whose WM_SETTEXT timed out: a client of this process still reads them when it takes
  // the message, so they are kept until every client has caught up.
  std::vector<std::wstring> queuedTexts_;
};

}  // namespace vl::win32
