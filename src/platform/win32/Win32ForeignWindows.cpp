// FindWindowExW, GetParent, GetClassNameW, WindowFromPoint, GetCursorPos, and the text and
// button messages within the turn's wait, and the lines that wait for a slow client.
#include "platform/win32/Win32ForeignWindows.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <exception>
#include <vector>

namespace vl::win32 {

namespace {

HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle W(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}
constexpr int kNameChars = 256;  // 255 characters and the NUL

std::uint64_t NowMs() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

// What each open turn has spent waiting on the client, the innermost last. One UI thread.
std::vector<std::uint64_t>& TurnsSpent() {
  static std::vector<std::uint64_t> spent;
  return spent;
}

}  // namespace

Win32ForeignWindows::Turn::Turn() {
  TurnsSpent().push_back(0);
}

Win32ForeignWindows::Turn::~Turn() {
  TurnsSpent().pop_back();
}

Win32ForeignWindows::Win32ForeignWindows(unsigned timeoutMs) : timeoutMs_(timeoutMs) {
  rangeReads_ = GetEnvironmentVariableW(L"VL_WHOLE_CHAT_READS", nullptr, 0) == 0;
  shared_->owner = this;
}

Win32ForeignWindows::~Win32ForeignWindows() {
  shared_->owner = nullptr;
  GiveBack();
}

// Silent for kHungMs by our probes, or already known as hung by the system, which would drop
// a message to it unsent.
bool Win32ForeignWindows::Hangs(WindowHandle window, const ThreadState& state) {
  return (state.Busy() && NowMs() - state.busySinceMs >= kHungMs) || IsHungAppWindow(H(window));
}

Win32ForeignWindows::Outcome Win32ForeignWindows::Call(WindowHandle window, unsigned message,
                                                       std::uintptr_t wParam, std::intptr_t lParam,
                                                       std::uintptr_t* result, Mode mode) {
  if (window == 0) return Outcome::NotSent;
  if (!queuedTexts_.empty() &&
      std::ranges::none_of(shared_->threads, [](const auto& t) { return t.second.Busy(); })) {
    queuedTexts_.clear();
  }
  const DWORD thread = GetWindowThreadProcessId(H(window), nullptr);
  if (thread == 0) return Outcome::NotSent;  // the window has gone
  ThreadState& state = shared_->threads[thread];
  // Nothing new is started in a client that hangs, and a probe tells when it is back.
  if (mode != Mode::Continue && Hangs(window, state)) {
    Probe(window, thread);
    return Outcome::NotSent;
  }
  if (state.Busy()) {
    // The client has not caught up: a read or a new write would wait behind what it has not
    // taken yet, and a time-out there would take it out again unseen. The rest of a write
    // already begun goes behind the others without any wait.
    if (mode != Mode::Continue || message == WM_SETTEXT) return Outcome::NotSent;
    return Track(window, thread, message) ? Outcome::Queued : Outcome::NotSent;
  }
  std::vector<std::uint64_t>& turns = TurnsSpent();
  const std::uint64_t spent = turns.empty() ? 0 : turns.back();
  std::uint64_t wait = spent >= timeoutMs_ ? 0 : timeoutMs_ - spent;
  if (mode != Mode::Read) wait = std::max<std::uint64_t>(wait, kLeastSendWaitMs);
  if (wait == 0) return Outcome::NotSent;

  DWORD_PTR answer = 0;
  const std::uint64_t start = NowMs();
  SetLastError(0);
  const LRESULT sent =
      SendMessageTimeoutW(H(window), message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                          static_cast<UINT>(wait), &answer);
  const DWORD error = GetLastError();
  if (!turns.empty()) turns.back() += NowMs() - start;
  if (sent != 0) {
    if (result != nullptr) *result = answer;
    return Outcome::Answered;
  }
  // The system refuses messages to a process of higher rights (the client run as an
  // administrator): nothing was sent, and nothing ever will be.
  if (error == ERROR_ACCESS_DENIED) return Outcome::Refused;
  if (!IsWindow(H(window))) return Outcome::NotSent;  // went away meanwhile: no hang
  Probe(window, thread);
  return Outcome::TimedOut;
}

namespace {

struct Ticket {
  std::weak_ptr<Win32ForeignWindows::Shared> shared;
  DWORD thread;
  std::uint64_t number = 0;
};

// The client has handled a message sent without waiting; once it has handled them all, it
// has caught up, and the lines waiting for it go on.
void CALLBACK TicketAnswered(HWND, UINT, ULONG_PTR data, LRESULT) {
  std::unique_ptr<Ticket> ticket(reinterpret_cast<Ticket*>(data));
  auto shared = ticket->shared.lock();
  if (!shared) return;
  Win32ForeignWindows::ThreadState& state = shared->threads[ticket->thread];
  state.answered = std::max(state.answered, ticket->number);
  if (!state.Busy() && shared->owner != nullptr) {
    // Called by the system, outside any window procedure: nothing may leave it either.
    try {
      shared->owner->SendWaitingLines();
    } catch (const std::exception&) {
    }
  }
}

}  // namespace

bool Win32ForeignWindows::Track(WindowHandle window, unsigned long thread, unsigned message) {
  ThreadState& state = shared_->threads[thread];
  auto ticket = std::make_unique<Ticket>(Ticket{shared_, thread, state.sent + 1});
  if (!SendMessageCallbackW(H(window), message, 0, 0, TicketAnswered,
                            reinterpret_cast<ULONG_PTR>(ticket.get()))) {
    return false;
  }
  ticket.release();  // the answer frees it; a client that never answers keeps it
  if (!state.Busy()) state.busySinceMs = NowMs();
  ++state.sent;
  return true;
}

void Win32ForeignWindows::Probe(WindowHandle window, unsigned long thread) {
  // Anything already in flight tells as well when the client has caught up.
  // A client still silent after kHungMs gets another, through a window that is there now.
  ThreadState& state = shared_->threads[thread];
  if (state.Busy() && NowMs() - state.probedMs < kHungMs) return;
  if (Track(window, thread, WM_NULL)) state.probedMs = NowMs();
}

SentLine Win32ForeignWindows::SendLine(WindowHandle input, WindowHandle button,
                                       std::wstring_view text) {
  const DWORD thread = input == 0 ? 0 : GetWindowThreadProcessId(H(input), nullptr);
  if (thread == 0) return {};
  if (Hangs(input, shared_->threads[thread])) {
    // Nothing new goes into a client that hangs, and what waited for it is dropped whole:
    // sent a minute late, a line would answer a room that has moved on.
    std::erase_if(waiting_, [&](const WaitingLine& line) {
      if (line.thread != thread || line.textMayBeIn) return false;
      *line.fate = SentLine::Fate::Dropped;
      return true;
    });
    Probe(input, thread);
    return {};
  }
  waiting_.push_back(WaitingLine{input, button, thread, std::wstring(text)});
  const std::shared_ptr<const SentLine::Fate> fate = waiting_.back().fate;
  const std::shared_ptr<const Outcome> start = waiting_.back().start;
  SendWaitingLines();
  if (*start == Outcome::Refused) return SentLine::Refused();
  if (*start == Outcome::NotSent) return {};
  return SentLine::Started(fate);
}

// One line at a time, and only into a client that has caught up: the text then reaches a
// client that is idle at once, however long it takes over it, rather than wait in its queue
// behind our own messages, where a time-out would take it out again unseen.
void Win32ForeignWindows::SendWaitingLines() {
  while (!waiting_.empty()) {
    WaitingLine& line = waiting_.front();
    if (shared_->threads[line.thread].Busy()) return;
    if (line.textMayBeIn) {
      // The text timed out: the client took it late, or never. Its box tells which.
      line.textMayBeIn = false;
      std::wstring box;
      ReadText(line.input, box);
      if (box == line.text) {
        Click(line);
        continue;
      }
    }
    if (line.tries == kMaxTextTries) {
      Drop(Outcome::NotSent);  // no click without its text
      continue;
    }
    ++line.tries;
    const Outcome set =
        Call(line.input, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(line.text.c_str()), nullptr,
             Mode::Start);
    if (set == Outcome::Answered) {
      Click(line);
    } else if (set == Outcome::TimedOut) {
      line.textMayBeIn = true;  // a probe went behind it
      return;
    } else {
      Drop(set);
    }
  }
}

void Win32ForeignWindows::Drop(Outcome why) {
  *waiting_.front().start = why;
  *waiting_.front().fate = SentLine::Fate::Dropped;
  waiting_.pop_front();
}

// The press and the release go without waiting: a message sent that way is never taken back,
// so the client handles both after the text, in order, however slow it is.
void Win32ForeignWindows::Click(WaitingLine& line) {
  if (line.button == 0 || (Track(line.button, line.thread, WM_LBUTTONDOWN) &&
                           Track(line.button, line.thread, WM_LBUTTONUP))) {
    *line.fate = SentLine::Fate::Taken;
  }
  waiting_.pop_front();
}

SentLine Win32ForeignWindows::ReplaceText(WindowHandle input, std::wstring_view text) {
  return SendLine(input, 0, text);
}

WindowHandle Win32ForeignWindows::FindChild(WindowHandle parent, WindowHandle after,
                                            std::wstring_view className) {
  // A parent of 0 would search the top-level windows: not a child of anything.
  if (parent == 0) return 0;
  const std::wstring name(className);
  return W(FindWindowExW(H(parent), H(after), name.c_str(), nullptr));
}

WindowHandle Win32ForeignWindows::Parent(WindowHandle window) {
  return window == 0 ? 0 : W(GetParent(H(window)));
}

std::wstring Win32ForeignWindows::ClassName(WindowHandle window) {
  wchar_t name[kNameChars] = {};
  if (window == 0) return {};
  const int length = GetClassNameW(H(window), name, kNameChars);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring Win32ForeignWindows::Title(WindowHandle window) {
  wchar_t title[kNameChars] = {};
  if (window == 0 || !IsWindow(H(window))) return {};
  DWORD process = 0;
  GetWindowThreadProcessId(H(window), &process);
  if (process != GetCurrentProcessId()) {
    // Another process's title is read without a message to it: no wait on a hung window.
    const int length = GetWindowTextW(H(window), title, kNameChars);
    return std::wstring(title, static_cast<size_t>(length > 0 ? length : 0));
  }
  // GetWindowTextW sends WM_GETTEXT, unbounded, to a window of this process.
  std::uintptr_t copied = 0;
  if (!Send(window, WM_GETTEXT, kNameChars, reinterpret_cast<std::intptr_t>(title), &copied)) {
    return {};
  }
  return std::wstring(title, std::min<size_t>(copied, kNameChars - 1));
}

WindowHandle Win32ForeignWindows::WindowAtPoint(Point screen) {
  return W(WindowFromPoint(POINT{screen.x, screen.y}));
}

Point Win32ForeignWindows::CursorPosition() {
  POINT p{};
  if (!GetCursorPos(&p)) return {};
  return {p.x, p.y};
}

int Win32ForeignWindows::TextLength(WindowHandle window) {
  std::uintptr_t length = 0;
  if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length)) return 0;
  const auto signedLength = static_cast<std::intptr_t>(length);
  return static_cast<int>(std::clamp<std::intptr_t>(signedLength, 0, kMaxReadChars));
}

void Win32ForeignWindows::ReadText(WindowHandle window, std::wstring& out) {
  const int length = TextLength(window);
  if (length <= 0) {
    out.clear();
    return;
  }
  // resize() keeps the capacity: a reader that ticks reuses the same storage.
  out.resize(static_cast<size_t>(length) + 1);
  std::uintptr_t copied = 0;
  if (!Send(window, WM_GETTEXT, out.size(), reinterpret_cast<std::intptr_t>(out.data()), &copied)) {
    out.clear();
    return;
  }
  out.resize(std::min<size_t>(copied, static_cast<size_t>(length)));
}

bool Win32ForeignWindows::SetText(WindowHandle window, std::wstring_view text) {
  setTextBuffer_.assign(text);
  std::uintptr_t result = 0;
  const Outcome outcome =
      Call(window, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(setTextBuffer_.c_str()), &result,
           Mode::Start);
  if (outcome == Outcome::TimedOut) queuedTexts_.push_back(std::move(setTextBuffer_));
  return outcome == Outcome::Answered && result != 0;
}

void Win32ForeignWindows::ButtonDown(WindowHandle window) {
  if (Call(window, WM_LBUTTONDOWN, 0, 0, nullptr, Mode::Start) == Outcome::NotSent) {
    unpressed_.insert(window);
  } else {
    unpressed_.erase(window);
  }
}

void Win32ForeignWindows::ButtonUp(WindowHandle window) {
  // A release always follows a press that was sent: a button left pressed is worse than a
  // late release. One whose press was not sent is not sent either.
  if (unpressed_.erase(window) != 0) return;
  Call(window, WM_LBUTTONUP, 0, 0, nullptr, Mode::Continue);
}

bool Win32ForeignWindows::IsEnabled(WindowHandle window) {
  return window != 0 && IsWindow(H(window)) && IsWindowEnabled(H(window));
}

}  // namespace vl::win32
