// The contract's desk over real windows: rooms of the test's own class holding real EDIT
// and BUTTON controls, the wall clock, and the messages pumped as the program's loop does.
#include <windows.h>

#include <map>
#include <utility>

#include "contract/Desk.h"
#include "platform/ui/Form.h"
#include "platform/win32/Win32Platform.h"
#include "win32/WinTestSupport.h"

namespace contract {
namespace {

std::map<HWND, int> clicks;  // BN_CLICKED seen by the rooms, by button

LRESULT CALLBACK RoomProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++clicks[reinterpret_cast<HWND>(lp)];
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// The box's modal loop dispatches the thread's timers too: one of them answers the box once
// it has seen it up for a whole period (making a box may take long on a busy machine).
UINT_PTR pendingTimer;
WPARAM pendingCommand;
std::wstring* pendingShown;
bool pendingSeen;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (box == nullptr || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
  if (!std::exchange(pendingSeen, true)) return;
  *pendingShown = vltest::TextOf(GetDlgItem(box, 0xFFFF));  // the text of a message box
  PostMessageW(box, WM_COMMAND, pendingCommand, 0);
  KillTimer(nullptr, timer);
}

class Win32Desk : public Desk {
 public:
  Win32Desk() {
    WNDCLASSW room{};
    room.lpfnWndProc = RoomProc;
    room.lpszClassName = L"ContractRoom";
    RegisterClassW(&room);
  }
  ~Win32Desk() override {
    KillTimer(nullptr, pendingTimer);  // a box that never came: no answer in a later test
    for (HWND w : made_)
      DestroyWindow(w);
    clicks.clear();
  }
  vl::Platform& platform() override { return platform_; }
  std::vector<WindowHandle> MakeRoom(const std::wstring& title,
                                     const std::vector<std::wstring>& childClasses) override {
    HWND room = Make(L"ContractRoom", title, WS_OVERLAPPEDWINDOW, nullptr);
    std::vector<WindowHandle> made{reinterpret_cast<WindowHandle>(room)};
    for (const std::wstring& name : childClasses)
      made.push_back(
          reinterpret_cast<WindowHandle>(Make(name.c_str(), L"", WS_CHILD | WS_VISIBLE, room)));
    return made;
  }
  void Destroy(WindowHandle window) override { DestroyWindow(reinterpret_cast<HWND>(window)); }
  void Disable(WindowHandle w) override { EnableWindow(reinterpret_cast<HWND>(w), FALSE); }
  int Clicks(WindowHandle button) override { return clicks[reinterpret_cast<HWND>(button)]; }
  void Pass(int ms) override { vltest::PumpFor(ms); }
  void AnswerNextBox(int ms, vl::MessageBoxAnswer answer, std::wstring& shown) override {
    constexpr WPARAM kCommand[] = {IDOK, IDYES, IDNO};  // in the order of MessageBoxAnswer
    pendingCommand = kCommand[static_cast<int>(answer)];
    pendingShown = &shown;
    pendingSeen = false;
    pendingTimer = SetTimer(nullptr, 0, static_cast<UINT>(ms), AnswerBox);
  }
  // A window of the test's, not a form of the program, stands for another program's.
  void ActivateOther() override {
    SetActiveWindow(Make(L"ContractRoom", L"other", WS_POPUP | WS_VISIBLE, nullptr));
  }
  void Activate(vl::Form& form) override { SetActiveWindow(reinterpret_cast<HWND>(form.Handle())); }

 private:
  HWND Make(const wchar_t* cls, const std::wstring& text, DWORD style, HWND parent) {
    HWND w = CreateWindowExW(0, cls, text.c_str(), style, 0, 0, 80, 20, parent, nullptr, nullptr,
                             nullptr);
    if (parent == nullptr) made_.push_back(w);
    return w;
  }
  vl::win32::Win32Platform platform_;
  std::vector<HWND> made_;
};

}  // namespace

std::unique_ptr<Desk> MakeDesk() {
  return std::make_unique<Win32Desk>();
}

}  // namespace contract
