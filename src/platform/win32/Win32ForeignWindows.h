// The chat client's windows through the wide window calls. Every message is sent with
// SendMessageTimeoutW (SMTO_ABORTIFHUNG | SMTO_BLOCK): a call that gives up on a hung
// window fails like a call on a window that has gone, and never freezes the program.
// A thread that let one call time out counts as hung: the calls to its windows then fail at
// once, rather than each waiting out the time-out, until it answers a probe sent without
// waiting (SendMessageCallbackW), whose answer comes through the program's message loop.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/ForeignWindows.h"

namespace vl::win32 {

class Win32ForeignWindows final : public ForeignWindows {
 public:
  struct ThreadState {
    bool hung = false;
    bool probing = false;  // a probe has gone and its answer has not come back yet
  };
  using Threads = std::unordered_map<unsigned long, ThreadState>;  // by thread id

  // Short enough that the first call into a hung client still lets the program answer a
  // click within half a second; long enough for a long chat's copy.
  static constexpr unsigned kDefaultTimeoutMs = 300;
  // With VL_WHOLE_CHAT_READS set in the environment the range reads are refused, so that the
  // benchmark can measure the whole read beside them.
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
  bool IsEnabled(WindowHandle window) override;

 private:
  // The message's result; nothing when the window is not valid, hangs or times out.
  bool Send(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
            std::uintptr_t* result = nullptr);

  void Probe(WindowHandle window, unsigned long thread);

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
  void GiveBack();
  // Writes `bytes` at `offset` of the block; false when the client has gone.
  bool WriteBlock(std::size_t offset, const void* bytes, std::size_t size);
  bool SendBorrowed(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam, std::uintptr_t* result);

  bool rangeReads_ = true;
  Loan loan_;

  unsigned timeoutMs_;
  // Shared with the probes in flight, which may answer after this object has gone.
  std::shared_ptr<Threads> threads_ = std::make_shared<Threads>();
  std::wstring setTextBuffer_;  // the NUL-terminated copy WM_SETTEXT needs, reused
};

}  // namespace vl::win32
