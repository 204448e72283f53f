// winprobe.exe: another program's windows as a program sees them, through FindWindowExW and
// window messages; the end-to-end tests look at the simulator and at Verdelune with it.
//   winprobe top                every visible top-level window
//   winprobe tree HWND          the window and its descendants, FindWindowExW order, with depth
//   winprobe text HWND          its text, asked with WM_GETTEXT
//   winprobe list HWND          the strings of a list box
//   winprobe lastline HWND      a chat's last complete line by the whole read, then by the
//                               program's range reader ("+line", or "-" for none), then its
//                               length in range characters and whether the reader's own
//                               comparison at its first read agreed ("agree" or "disagree")
//   winprobe hold FILE          opens FILE (made if missing) sharing only reading, as a
//                               spreadsheet holds the file it shows; prints "held", then waits
//                               to be ended
// A window is described by its handle (decimal), class, enabled and visible states, rectangle
// on the screen (left,top,right,bottom) and title. Output is UTF-8, one item a line, with \\,
// \r, \n and \0 escaped so that line ends inside a text stay visible.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32ForeignWindows.h"
#include "room/ChatReader.h"
#include "room/LastLineReader.h"

namespace {

void Print(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    const std::size_t at = std::wstring_view(L"\\\r\n", 4).find(c);  // and the NUL
    escaped +=
        at == std::wstring_view::npos ? std::wstring(1, c) : std::wstring{L'\\', L"\\rn0"[at]};
  }
  const int n = WideCharToMultiByte(CP_UTF8, 0, escaped.data(), static_cast<int>(escaped.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, escaped.data(), static_cast<int>(escaped.size()), bytes.data(), n,
                      nullptr, nullptr);
  std::puts(bytes.c_str());
}

// Bounded: a program that does not take messages (one of Verdelune's pauses) is given up on.
bool Send(HWND h, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result = nullptr) {
  DWORD_PTR r = 0;
  const bool ok = SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, 3000, &r) != 0;
  if (result != nullptr) *result = static_cast<LRESULT>(r);
  return ok;
}

// The title as the system keeps it: GetWindowTextW reads another process's caption without a
// message, so the texts of a busy program still show. `text` asks the window itself, for what
// only it knows (an edit box's contents).
std::wstring Describe(HWND h) {
  wchar_t cls[256] = {};
  wchar_t title[121] = {};
  GetClassNameW(h, cls, 256);
  GetWindowTextW(h, title, 121);
  RECT r{};
  GetWindowRect(h, &r);
  return L"hwnd=" + std::to_wstring(reinterpret_cast<std::uintptr_t>(h)) + L" class=" + cls +
         L" enabled=" + (IsWindowEnabled(h) ? L"1" : L"0") + L" visible=" +
         (IsWindowVisible(h) ? L"1" : L"0") + L" rect=" + std::to_wstring(r.left) + L"," +
         std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
         std::to_wstring(r.bottom) + L" title=" + title;
}

void Tree(HWND parent, int depth) {
  Print(std::to_wstring(depth) + L" " + Describe(parent));
  for (HWND c = FindWindowExW(parent, nullptr, nullptr, nullptr); c != nullptr;
       c = FindWindowExW(parent, c, nullptr, nullptr))
    Tree(c, depth + 1);
}

BOOL CALLBACK PrintVisible(HWND h, LPARAM) {
  if (IsWindowVisible(h)) Print(Describe(h));
  return TRUE;
}

// The text of a window, or of a list box's item `item`.
bool PrintText(HWND h, UINT length_msg, UINT text_msg, WPARAM item = 0) {
  LRESULT n = 0;
  if (!Send(h, length_msg, item, 0, &n) || n < 0) return false;
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  if (!Send(h, text_msg, length_msg == WM_GETTEXTLENGTH ? text.size() : item,
            reinterpret_cast<LPARAM>(text.data()), &n) ||
      n < 0)
    return false;
  text.resize(static_cast<std::size_t>(n));
  Print(text);
  return true;
}

int Run(int argc, wchar_t** argv) {
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  if (cmd == L"top") return EnumWindows(PrintVisible, 0), 0;
  if (argc < 3) return 2;
  if (cmd == L"hold") {
    if (CreateFileW(argv[2], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr) == INVALID_HANDLE_VALUE)
      return 1;
    Print(L"held");
    std::fflush(stdout);
    Sleep(INFINITE);  // until ended
    return 0;
  }
  HWND h = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(_wcstoui64(argv[2], nullptr, 10)));
  if (!IsWindow(h)) return 1;
  if (cmd == L"tree") return Tree(h, 0), 0;
  if (cmd == L"text") return PrintText(h, WM_GETTEXTLENGTH, WM_GETTEXT) ? 0 : 1;
  if (cmd == L"lastline") {
    const auto chat = reinterpret_cast<vl::WindowHandle>(h);
    vl::win32::Win32ForeignWindows windows(3000);
    vl::win32::Win32Clock clock;
    vl::ChatReadMode mode;
    vl::LastLineReader reader(windows, clock, mode);
    std::wstring text;
    const std::optional<std::wstring_view> whole = vl::ReadChatText(windows, chat, text);
    reader.Read(chat);  // the first read compares
    for (const auto& last : {whole, reader.Read(chat)})
      Print(last ? L"+" + std::wstring(*last) : L"-");
    Print(std::to_wstring(windows.RichTextLength(chat)) +
          (mode.wholeReadsOnly ? L" disagree" : L" agree"));
    return 0;
  }
  if (cmd == L"list") {
    LRESULT count = 0;
    if (!Send(h, LB_GETCOUNT, 0, 0, &count) || count == LB_ERR) return 1;
    for (LRESULT i = 0; i < count; ++i)
      if (!PrintText(h, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(i))) return 1;
    return 0;
  }
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const int status = Run(argc, argv);
  std::fflush(stdout);
  return status;
}
