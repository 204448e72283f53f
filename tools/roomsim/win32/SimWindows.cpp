// The windows of the simulated chat client, and RoomHost over them.
#include "SimWindows.h"

#include "ChatBox.h"
#include "ManualMenu.h"
#include "RoomLayout.h"
#include "RoomSimResources.h"
#include "roomsim/Text.h"

#include "crypto/BotAnswer.h"

namespace roomsim::win32 {
namespace {

constexpr wchar_t kTopClass[] = L"RoomSimTabWindowClass";
constexpr wchar_t kFrameClass[] = L"RoomSimFrame";
constexpr wchar_t kRoomClass[] = L"RoomSimRoom";
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 50;

SimWindows* Self(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  return reinterpret_cast<SimWindows*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent, int id) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void Place(HWND w, const RECT& r) {
  MoveWindow(w, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

std::wstring Handle(HWND h) {
  return std::to_wstring(reinterpret_cast<std::uintptr_t>(h));
}

}  // namespace

SimWindows::SimWindows(const Options& options) : options_(options) {
  startTick_ = GetTickCount64();
  room_ = std::make_unique<Room>(options_, *this, [](const std::wstring& challenge, int level) {
    return vl::BotAnswerText(challenge, level);
  });
  // The button-up's handler is where a client's click runs: a slow one holds the sender.
  buttonListener_ = [this](int index, bool down, bool inside) {
    room_->OnButtonMessage(index, down, inside);
    if (index == Room::kSendButton && !down) SlowDown(faultHooks_, L"WM_LBUTTONUP");
  };
  faultHooks_.room = room_.get();
}

SimWindows::~SimWindows() = default;

bool SimWindows::RegisterClasses() {
  WNDCLASSW wc{};
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(VL_IDI_ROOMSIM));
  const struct {
    const wchar_t* name;
    WNDPROC proc;
    int brush;
  } classes[] = {{kTopClass, TopProc, COLOR_BTNFACE},
                 {kFrameClass, FrameProc, COLOR_APPWORKSPACE},
                 {kRoomClass, RoomProc, COLOR_BTNFACE}};
  for (const auto& c : classes) {
    wc.lpszClassName = c.name;
    wc.lpfnWndProc = c.proc;
    wc.hbrBackground = GetSysColorBrush(c.brush);
    if (RegisterClassW(&wc) == 0) return false;
  }
  return true;
}

bool SimWindows::Create() {
  if (!options_.logPath.empty() && !log_.Open(options_.logPath)) return false;
  if (!options_.controlPath.empty() && !control_.Open(options_.controlPath)) {
    Log("error", L"cannot open the control file " + options_.controlPath);
  }
  if (!LoadRichEdit()) Log("error", L"no RichEdit library");
  if (!RegisterClasses()) return false;
  const std::wstring title = options_.site + L" - " + options_.room;
  top_ = CreateWindowExW(0, kTopClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         kTopLeft, kTopTop, kTopWidth, kTopHeight, nullptr, CreateManualMenu(),
                         GetModuleHandleW(nullptr), this);
  if (top_ == nullptr) return false;
  frame_ = CreateWindowExW(0, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10,
                           10, top_, nullptr, GetModuleHandleW(nullptr), this);
  roomWindow_ =
      CreateWindowExW(0, kRoomClass, options_.room.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                      0, 0, 10, 10, frame_, nullptr, GetModuleHandleW(nullptr), this);
  CreateRoomChildren();
  LayOut();
  ShowWindow(top_, SW_SHOWNORMAL);
  UpdateWindow(top_);
  room_->Start();
  SetTimer(top_, kTickTimer, kTickMs, nullptr);
  LogReady();
  return true;
}

// Creation order is the order FindWindowExW walks: chat, input box, buttons, user list.
void SimWindows::CreateRoomChildren() {
  chat_ = CreateChatBox(roomWindow_, kChatId);
  HookChat(chat_, &faultHooks_);
  input_ = Child(L"Edit", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, roomWindow_, kInputId);
  HookInput(input_, &faultHooks_);
  for (int i = 1; i <= options_.buttons; ++i)
    buttons_.push_back(CreateButton(i));
  list_ = Child(L"ListBox", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS, roomWindow_,
                kListId);
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (HWND w : {chat_, input_, list_})
    SendMessageW(w, WM_SETFONT, font, TRUE);
}

HWND SimWindows::CreateButton(int index) {
  HWND b = Child(L"Button", ButtonCaption(index).c_str(), BS_PUSHBUTTON | WS_TABSTOP, roomWindow_,
                 kFirstButtonId + index - 1);
  HookButton(b, index, &buttonListener_);
  SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return b;
}

void SimWindows::LayOut() {
  RECT client{};
  GetClientRect(top_, &client);
  MoveWindow(frame_, 0, 0, client.right, client.bottom, TRUE);
  if (roomWindow_ == nullptr) return;
  const int width = client.right - 8;
  const int height = client.bottom - 8;
  MoveWindow(roomWindow_, 4, 4, width, height, TRUE);
  const RoomGeometry g = ComputeGeometry(width, height, options_.buttons, kStripHeight);
  Place(chat_, g.chat);
  Place(list_, g.list);
  Place(input_, g.input);
  for (int i = 1; i <= static_cast<int>(buttons_.size()); ++i) {
    Place(buttons_[i - 1], ButtonRect(g, width, i));
  }
}

void SimWindows::LogReady() {
  RECT rc{};
  GetClientRect(roomWindow_, &rc);
  POINT strip{rc.right / 2, kStripHeight / 2};
  ClientToScreen(roomWindow_, &strip);
  POINT listOrigin{0, 0};
  ClientToScreen(list_, &listOrigin);
  std::wstring buttons, points;
  for (HWND b : buttons_) {
    RECT r{};
    GetWindowRect(b, &r);
    buttons += (buttons.empty() ? L"" : L",") + Handle(b);
    points += (points.empty() ? L"" : L",") + std::to_wstring((r.left + r.right) / 2) + L":" +
              std::to_wstring((r.top + r.bottom) / 2);
  }
  const auto itemHeight = SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0);
  Log("ready", L"strip_x=" + std::to_wstring(strip.x) + L" strip_y=" + std::to_wstring(strip.y) +
                   L" top=" + Handle(top_) + L" frame=" + Handle(frame_) + L" room=" +
                   Handle(roomWindow_) + L" chat=" + Handle(chat_) + L" input=" + Handle(input_) +
                   L" buttons=" + buttons + L" button_points=" + points + L" list=" +
                   Handle(list_) + L" list_x=" + std::to_wstring(listOrigin.x) + L" list_y=" +
                   std::to_wstring(listOrigin.y) + L" item_height=" + std::to_wstring(itemHeight));
}

void SimWindows::OnTimer() {
  if (control_.IsOpen()) {
    for (const std::wstring& line : control_.Poll()) {
      if (!line.empty()) room_->OnControlLine(line);
    }
  }
  room_->Tick();
}

void SimWindows::OnRoomCommand(int id, int code) {
  if (id == kInputId && code == EN_CHANGE) {
    room_->OnInputChanged(WindowText(input_));
  } else if (id == kListId && code == LBN_DBLCLK) {
    const auto sel = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (sel == LB_ERR) return;
    std::wstring nick(static_cast<std::size_t>(SendMessageW(list_, LB_GETTEXTLEN, sel, 0)), L'\0');
    SendMessageW(list_, LB_GETTEXT, sel, reinterpret_cast<LPARAM>(nick.data()));
    room_->OnUserPicked(nick);
  } else if (id >= kFirstButtonId && id < kFirstButtonId + options_.buttons && code == BN_CLICKED) {
    room_->OnClicked(id - kFirstButtonId + 1);
  }
}

void SimWindows::PaintStrip() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(roomWindow_, &ps);
  RECT client{};
  GetClientRect(roomWindow_, &client);
  RECT strip{0, 0, client.right, kStripHeight};
  HBRUSH brush = CreateSolidBrush(RGB(0x2E, 0x5E, 0x4E));
  FillRect(dc, &strip, brush);
  DeleteObject(brush);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring label = L"Salle : " + options_.room + L"   (déposez la main ici)";
  DrawTextW(dc, label.c_str(), -1, &strip, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  EndPaint(roomWindow_, &ps);
}

LRESULT CALLBACK SimWindows::TopProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  SimWindows* self = Self(hwnd, msg, lp);
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_TIMER:
      if (wp == kTickTimer) self->OnTimer();
      return 0;
    case WM_SIZE:
      if (self->frame_ != nullptr) self->LayOut();
      return 0;
    case WM_COMMAND:
      HandleManualMenu(hwnd, LOWORD(wp), self->TheRoom());
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd, kTickTimer);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK SimWindows::FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Self(hwnd, msg, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK SimWindows::RoomProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  SimWindows* self = Self(hwnd, msg, lp);
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_PAINT) {
    self->PaintStrip();
    return 0;
  }
  if (msg == WM_COMMAND && lp != 0) {
    self->OnRoomCommand(LOWORD(wp), HIWORD(wp));
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND SimWindows::Button(int index) const {
  return index >= 1 && index <= static_cast<int>(buttons_.size()) ? buttons_[index - 1] : nullptr;
}

void SimWindows::Log(const std::string& kind, const std::wstring& details) {
  log_.Write(ElapsedMs(), kind, details);
}

void SimWindows::AppendChat(const std::wstring& line) {
  AppendChatLine(chat_, line);
}

std::wstring SimWindows::InputText() {
  return input_ ? WindowText(input_) : L"";
}

void SimWindows::SetInputText(const std::wstring& text) {
  if (input_ == nullptr) return;
  // WM_SETTEXT on a single-line Edit sends EN_CHANGE, which logs the new text.
  faultHooks_.roomCall = true;
  SetWindowTextW(input_, text.c_str());
  faultHooks_.roomCall = false;
  const auto end = static_cast<WPARAM>(text.size());
  SendMessageW(input_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void SimWindows::AddUser(const std::wstring& nick) {
  if (list_) SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(nick.c_str()));
}

void SimWindows::RemoveUser(const std::wstring& nick) {
  if (list_ == nullptr) return;
  const auto at = SendMessageW(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(nick.c_str()));
  if (at != LB_ERR) SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(at), 0);
}

void SimWindows::ShowMicButtons(MicButtons mic) {
  if (HWND b = Button(Room::kMicButton1)) EnableWindow(b, mic.first);
  if (HWND b = Button(Room::kMicButton2)) EnableWindow(b, mic.second);
}

void SimWindows::CloseRoomWindow() {
  if (roomWindow_ == nullptr) return;
  DestroyWindow(roomWindow_);
  roomWindow_ = chat_ = input_ = list_ = nullptr;
  buttons_.clear();
  InvalidateRect(frame_, nullptr, TRUE);
}

// The room's thread takes no message meanwhile, as a client busy or stuck does.
void SimWindows::Hang(int ms) {
  Log("hang", std::to_wstring(ms));
  Sleep(static_cast<DWORD>(ms));
  Log("hang", L"end");
}

// New controls in place of the old ones, in the same room window: the old handles go, the
// new windows come after the others in the order of children, the chat keeps its lines.
void SimWindows::ReplaceControls(const std::wstring& which) {
  if (roomWindow_ == nullptr) return;
  if (which == L"chat") {
    const std::wstring text = WindowText(chat_);
    DestroyWindow(chat_);
    chat_ = CreateChatBox(roomWindow_, kChatId);
    HookChat(chat_, &faultHooks_);
    SendMessageW(chat_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    for (std::size_t from = 0, end; (end = text.find(L"\r\n", from)) != std::wstring::npos;
         from = end + 2) {
      AppendChatLine(chat_, text.substr(from, end - from));
    }
  } else if (which == L"input") {
    DestroyWindow(input_);
    input_ = Child(L"Edit", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, roomWindow_, kInputId);
    HookInput(input_, &faultHooks_);
    SendMessageW(input_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  } else {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      DestroyWindow(buttons_[i]);
      buttons_[i] = CreateButton(static_cast<int>(i) + 1);
    }
  }
  LayOut();
  Log("replaced", which);
  LogReady();
}

// The chat counts a paragraph end as one character where WM_GETTEXT shows CR LF.
void SimWindows::TrimChat(int lines) {
  const std::wstring text = WindowText(chat_);
  std::size_t at = 0;
  int dropped = 0;
  for (; dropped < lines; ++dropped) {
    const std::size_t end = text.find(L"\r\n", at);
    if (end == std::wstring::npos) break;
    at = end + 2;
  }
  const auto chars = static_cast<LPARAM>(at - static_cast<std::size_t>(dropped));
  SendMessageW(chat_, EM_SETSEL, 0, chars);
  SendMessageW(chat_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
  Log("trim", std::to_wstring(dropped));
}

// One insertion for all of them: line by line, a long history would take minutes to build.
void SimWindows::AddHistory(int lines) {
  std::wstring text;
  for (int i = 0; i < lines; ++i) {
    text += L"(" + std::to_wstring(10 + i % 14) + L":" + std::to_wstring(10 + i % 50) +
            L") Ancien" + std::to_wstring(i % 50) + L": message d'hier num\u00e9ro " +
            std::to_wstring(i) + L"\r";
  }
  SendMessageW(chat_, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
  SendMessageW(chat_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(chat_, WM_VSCROLL, SB_BOTTOM, 0);
  Log("history", std::to_wstring(lines));
}

// Positions in the chat count a paragraph end as one character: those of WM_GETTEXT's text
// less one for each CR LF before them.
void SimWindows::AppendChatText(const std::wstring& text) {
  SendMessageW(chat_, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
  SendMessageW(chat_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Log("append", text);
}

void SimWindows::AmendLastChatLine(const std::wstring& text) {
  const std::wstring whole = WindowText(chat_);
  const std::size_t end = whole.rfind(L"\r\n");
  if (end == std::wstring::npos) return Log("error", L"amend: no complete line");
  const std::size_t before = end == 0 ? std::wstring::npos : whole.rfind(L"\r\n", end - 1);
  const std::size_t start = before == std::wstring::npos ? 0 : before + 2;
  const auto breaks = [&whole](std::size_t upTo) {
    std::size_t n = 0;
    for (std::size_t at = whole.find(L"\r\n"); at < upTo; at = whole.find(L"\r\n", at + 2))
      ++n;
    return static_cast<LPARAM>(upTo - n);
  };
  SendMessageW(chat_, EM_SETSEL, static_cast<WPARAM>(breaks(start)), breaks(end));
  SendMessageW(chat_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  Log("amend", text);
}

void SimWindows::Quit() {
  if (top_ != nullptr) DestroyWindow(top_);
  top_ = nullptr;
}

ClockTime SimWindows::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wHour, t.wMinute};
}

std::int64_t SimWindows::ElapsedMs() {
  return static_cast<std::int64_t>(GetTickCount64() - startTick_);
}

}  // namespace roomsim::win32
