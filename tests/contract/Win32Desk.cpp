// The contract's desk over real windows: rooms of the test's own class holding real EDIT
// and BUTTON controls, the wall clock, and the messages pumped as the program's loop does.
#include <windows.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "contract/Desk.h"
#include "platform/ui/Form.h"
#include "platform/win32/Win32Platform.h"
#include "win32/WinTestSupport.h"

namespace contract {

std::map<HWND, int> clicks;  // BN_CLICKED seen by the rooms, by button
// The box to answer: its command, where its text goes, and whether it was seen up already.
std::tuple<WPARAM, std::wstring*, bool> pending;

// Also answers the box: its modal loop dispatches the rooms' timers, and the box is answered
// once seen up for a whole period (making a box may take long on a busy machine).
LRESULT CALLBACK RoomProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++clicks[reinterpret_cast<HWND>(lp)];
  HWND box = msg == WM_TIMER ? FindWindowW(L"#32770", nullptr) : nullptr;
  if (box != nullptr && GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId() &&
      std::exchange(std::get<bool>(pending), true)) {
    *std::get<std::wstring*>(pending) = vltest::TextOf(GetDlgItem(box, 0xFFFF));  // its text
    PostMessageW(box, WM_COMMAND, std::get<WPARAM>(pending), 0);
    KillTimer(hwnd, wp);
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}
const WNDCLASSW kRoom{0, RoomProc, 0, 0, {}, {}, {}, {}, {}, L"ContractRoom"};
[[maybe_unused]] const ATOM kRoomClass = RegisterClassW(&kRoom);
[[maybe_unused]] const HMODULE kRichEdit = LoadLibraryW(L"Riched20.dll");  // "RichEdit20W"

struct Win32Desk : Desk {
  // With them the answering timer: a box that never came gets no answer in a later test.
  ~Win32Desk() override { std::for_each(made_.begin(), made_.end(), DestroyWindow); }
  vl::Platform& platform() override { return platform_; }
  std::vector<WindowHandle> MakeRoom(const std::wstring& title, const Names& classes) override {
    clicks.clear();  // those of an earlier test's buttons
    std::vector<WindowHandle> made{Make(title, WS_OVERLAPPEDWINDOW)};
    for (const std::wstring& name : classes)
      made.push_back(
          Make(L"", WS_CHILD | WS_VISIBLE | (name.starts_with(L"RichEdit") ? ES_MULTILINE : 0),
               made[0], name.c_str()));
    return made;
  }
  void Destroy(WindowHandle window) override { DestroyWindow(reinterpret_cast<HWND>(window)); }
  void Disable(WindowHandle w) override { EnableWindow(reinterpret_cast<HWND>(w), FALSE); }
  void RemoveFile(const std::wstring& path) override { DeleteFileW(path.c_str()); }
  int Clicks(WindowHandle button) override { return clicks[reinterpret_cast<HWND>(button)]; }
  void Pass(int ms) override { vltest::PumpFor(ms); }
  void AnswerNextBox(int ms, vl::MessageBoxAnswer answer, std::wstring& shown) override {
    const WPARAM command[] = {IDOK, IDYES, IDNO};  // in the order of MessageBoxAnswer
    pending = {command[static_cast<int>(answer)], &shown, false};
    SetTimer(reinterpret_cast<HWND>(Make(L"", 0)), 1, static_cast<UINT>(ms), nullptr);
  }
  // A window of the test's, not a form of the program, stands for another program's.
  void ActivateOther() override {
    SetActiveWindow(reinterpret_cast<HWND>(Make(L"", WS_POPUP | WS_VISIBLE)));
  }
  void Activate(vl::Form& form) override { SetActiveWindow(reinterpret_cast<HWND>(form.Handle())); }
  WindowHandle Make(const std::wstring& text, DWORD style, WindowHandle parent = 0,
                    const wchar_t* cls = L"ContractRoom") {
    HWND w = CreateWindowExW(0, cls, text.c_str(), style, 0, 0, 80, 20,
                             reinterpret_cast<HWND>(parent), nullptr, nullptr, nullptr);
    if (parent == 0) made_.push_back(w);
    return reinterpret_cast<WindowHandle>(w);
  }

  vl::win32::Win32Platform platform_;
  std::vector<HWND> made_;
};

std::unique_ptr<Desk> MakeDesk() {
  return std::make_unique<Win32Desk>();
}

}  // namespace contract
