// The button subclass of the simulated room.
#include "ButtonHook.h"

#include <commctrl.h>
#include <windowsx.h>

namespace roomsim::win32 {
namespace {

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR index,
                            DWORD_PTR data) {
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    auto* listener = reinterpret_cast<ButtonListener*>(data);
    (*listener)(static_cast<int>(index), msg == WM_LBUTTONDOWN, PtInRect(&client, pt) != FALSE);
  } else if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, ButtonProc, index);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

bool HookButton(HWND button, int index, ButtonListener* listener) {
  return SetWindowSubclass(button, ButtonProc, static_cast<UINT_PTR>(index),
                           reinterpret_cast<DWORD_PTR>(listener)) != FALSE;
}

}  // namespace roomsim::win32
