// The chat control of the simulated room.
#include "ChatBox.h"

#include <richedit.h>

namespace roomsim::win32 {

bool LoadRichEdit() {
  // Riched20.dll registers "RichEdit20W"; Msftedit.dll registers it too on recent systems.
  return LoadLibraryW(L"Riched20.dll") != nullptr || LoadLibraryW(L"Msftedit.dll") != nullptr;
}

HWND CreateChatBox(HWND parent, int id) {
  const DWORD style =
      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  HWND chat = CreateWindowExW(0, L"RichEdit20W", L"", style, 0, 0, 10, 10, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  // The default limit (32767 characters) would stop a busy chat after a few minutes.
  if (chat != nullptr) SendMessageW(chat, EM_EXLIMITTEXT, 0, 64 * 1024 * 1024);
  return chat;
}

void AppendChatLine(HWND chat, const std::wstring& line) {
  if (chat == nullptr) return;
  // RichEdit keeps "\r" as its paragraph end and reports it as CR LF through WM_GETTEXT.
  const std::wstring text = line + L"\r";
  // Positions past the end are clamped to it: the caret goes after the last paragraph end.
  SendMessageW(chat, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
  SendMessageW(chat, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(chat, WM_VSCROLL, SB_BOTTOM, 0);
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

}  // namespace roomsim::win32
