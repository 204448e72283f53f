// winprobe.exe: an independent view of another program's windows, as a program sees them
// through FindWindowExW and window messages. The end-to-end tests use it to look at the room
// simulator from outside. Output is UTF-8 in binary mode, one item per line; texts are
// escaped (\\, \r, \n, \0) so that line ends inside a control's text stay visible.
//   winprobe find TITLE              top-level window with that exact title
//   winprobe tree HWND               the window and its descendants, FindWindowExW order
//   winprobe parents HWND            GetParent chain up to the desktop
//   winprobe text HWND               WM_GETTEXT
//   winprobe settext HWND TEXT       WM_SETTEXT
//   winprobe down|up|click HWND      WM_LBUTTONDOWN / WM_LBUTTONUP with 0 and 0
//   winprobe list HWND               the strings of a list box
//   winprobe point X Y               WindowFromPoint
//   winprobe top                     every visible top-level window
// Each window is described with its class, enabled and visible states, its rectangle on the
// screen (left,top,right,bottom) and its title, so a test can click on a control it found.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr UINT kTimeoutMs = 3000;

void Print(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                      nullptr, nullptr);
  bytes += '\n';
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::wstring Escape(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'\\') {
      out += L"\\\\";
    } else if (c == L'\r') {
      out += L"\\r";
    } else if (c == L'\n') {
      out += L"\\n";
    } else if (c == L'\0') {
      out += L"\\0";
    } else {
      out += c;
    }
  }
  return out;
}

HWND ParseHandle(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::wcstoull(text, nullptr, 0)));
}

std::wstring Num(HWND h) {
  return std::to_wstring(reinterpret_cast<std::uintptr_t>(h));
}

LRESULT Send(HWND h, UINT msg, WPARAM wp, LPARAM lp, bool& ok) {
  DWORD_PTR result = 0;
  ok = SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG, kTimeoutMs, &result) != 0;
  return static_cast<LRESULT>(result);
}

std::wstring ClassOf(HWND h) {
  wchar_t buf[256] = {};
  GetClassNameW(h, buf, 255);
  return buf;
}

std::wstring TextOf(HWND h, bool& ok) {
  const LRESULT n = Send(h, WM_GETTEXTLENGTH, 0, 0, ok);
  if (!ok) return L"";
  std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
  const LRESULT got = Send(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), ok);
  buf.resize(static_cast<std::size_t>(got));
  return buf;
}

// The title as the system keeps it: GetWindowTextW reads another process's caption without
// sending it a message, so a window whose thread is busy (a pause of the program) still shows
// its texts. `text` asks the window itself, for what only it knows (an edit box's contents).
std::wstring TitleOf(HWND h) {
  wchar_t buf[1024] = {};
  GetWindowTextW(h, buf, 1023);
  return buf;
}

std::wstring Describe(HWND h) {
  const std::wstring title = TitleOf(h);
  RECT r{};
  GetWindowRect(h, &r);
  const std::wstring rect = std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                            std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
  return L"hwnd=" + Num(h) + L" class=" + ClassOf(h) + L" enabled=" +
         (IsWindowEnabled(h) ? L"1" : L"0") + L" visible=" + (IsWindowVisible(h) ? L"1" : L"0") +
         L" rect=" + rect + L" title=" + Escape(title.substr(0, 120));
}

void Tree(HWND parent, int depth) {
  Print(std::to_wstring(depth) + L" " + Describe(parent));
  for (HWND c = FindWindowExW(parent, nullptr, nullptr, nullptr); c != nullptr;
       c = FindWindowExW(parent, c, nullptr, nullptr)) {
    Tree(c, depth + 1);
  }
}

int List(HWND h) {
  bool ok = false;
  const LRESULT count = Send(h, LB_GETCOUNT, 0, 0, ok);
  if (!ok || count == LB_ERR) return 1;
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = Send(h, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, ok);
    std::wstring item(static_cast<std::size_t>(len > 0 ? len : 0) + 1, L'\0');
    Send(h, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()), ok);
    item.resize(std::wcslen(item.c_str()));
    Print(Escape(item));
  }
  return 0;
}

int Button(HWND h, const std::wstring& what) {
  bool ok = true;
  if (what != L"up") Send(h, WM_LBUTTONDOWN, 0, 0, ok);
  if (ok && what != L"down") Send(h, WM_LBUTTONUP, 0, 0, ok);
  return ok ? 0 : 1;
}

BOOL CALLBACK PrintTopLevel(HWND h, LPARAM) {
  if (IsWindowVisible(h)) Print(Describe(h));
  return TRUE;
}

int Run(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"top") {
    EnumWindows(PrintTopLevel, 0);
    return 0;
  }
  if (argc < 3) return 2;
  const std::wstring cmd = argv[1];
  if (cmd == L"find") {
    HWND h = FindWindowW(nullptr, argv[2]);
    if (h == nullptr) return 1;
    Print(Num(h));
    return 0;
  }
  if (cmd == L"point" && argc >= 4) {
    POINT p{static_cast<LONG>(std::wcstol(argv[2], nullptr, 10)),
            static_cast<LONG>(std::wcstol(argv[3], nullptr, 10))};
    Print(Describe(WindowFromPoint(p)));
    return 0;
  }
  HWND h = ParseHandle(argv[2]);
  if (!IsWindow(h)) return 1;
  bool ok = false;
  if (cmd == L"tree") return Tree(h, 0), 0;
  if (cmd == L"parents") {
    for (HWND p = h; p != nullptr; p = GetParent(p))
      Print(Describe(p));
    return 0;
  }
  if (cmd == L"text") {
    const std::wstring text = TextOf(h, ok);
    if (ok) Print(Escape(text));
    return ok ? 0 : 1;
  }
  if (cmd == L"settext" && argc >= 4) {
    Send(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), ok);
    return ok ? 0 : 1;
  }
  if (cmd == L"down" || cmd == L"up" || cmd == L"click") return Button(h, cmd);
  if (cmd == L"list") return List(h);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const int status = Run(argc, argv);
  std::fflush(stdout);
  return status;
}
