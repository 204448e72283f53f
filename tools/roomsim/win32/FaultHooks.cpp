// The fault subclasses of the simulated room's chat and input box.
#include "FaultHooks.h"

#include <commctrl.h>
#include <richedit.h>

namespace roomsim::win32 {
namespace {

// InSendMessage: sent from another thread, and the room has one; a nested message the room
// sends itself while handling one counts as the room's own through roomCall.
bool FromAnotherProgram(const FaultHooks& hooks) {
  return InSendMessage() != FALSE && !hooks.roomCall;
}

// Only the length is told wrong: WM_GETTEXT and the ranges still copy what the chat holds.
LRESULT CALLBACK ChatProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  auto* hooks = reinterpret_cast<FaultHooks*>(data);
  if ((msg == WM_GETTEXTLENGTH || msg == EM_GETTEXTLENGTHEX) && FromAnotherProgram(*hooks)) {
    const auto told = hooks->room->ToldLength(msg == WM_GETTEXTLENGTH ? L"WM_GETTEXTLENGTH"
                                                                      : L"EM_GETTEXTLENGTHEX");
    if (told) return static_cast<LRESULT>(*told);
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, ChatProc, id);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
  if (msg == WM_SETTEXT) {
    SlowDown(*reinterpret_cast<FaultHooks*>(data), L"WM_SETTEXT");
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, InputProc, id);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

bool HookChat(HWND chat, FaultHooks* hooks) {
  return SetWindowSubclass(chat, ChatProc, 0, reinterpret_cast<DWORD_PTR>(hooks)) != FALSE;
}

bool HookInput(HWND input, FaultHooks* hooks) {
  return SetWindowSubclass(input, InputProc, 0, reinterpret_cast<DWORD_PTR>(hooks)) != FALSE;
}

// A Sleep in the handler, as a client whose handler is slow: the caller waits all of it.
void SlowDown(FaultHooks& hooks, const wchar_t* message) {
  if (!FromAnotherProgram(hooks)) return;
  const int ms = hooks.room->SlowMs(message);
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

}  // namespace roomsim::win32
