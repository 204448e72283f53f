// MessageBoxW and GetOpenFileNameW, owned by the program's active window. A box without an
// owner is task-modal (every window of the program waits for it) and topmost, so that it
// is not lost behind a topmost window of the program.
#include "platform/win32/Win32Dialogs.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <commdlg.h>

#include <vector>

#include "platform/win32/DialogOwner.h"
#include "platform/win32/InputBox.h"

namespace vl::win32 {

MessageBoxAnswer Win32Dialogs::ShowMessage(const std::wstring& text, const std::wstring& caption,
                                           MessageBoxStyle style) {
  const bool question = style == MessageBoxStyle::YesNoQuestion;
  UINT type = (question ? MB_YESNO | MB_ICONQUESTION : MB_OK) | MB_SETFOREGROUND;
  HWND owner = DialogOwner();
  if (owner == nullptr) type |= MB_TASKMODAL | MB_TOPMOST;
  switch (MessageBoxW(owner, text.c_str(), caption.c_str(), type)) {
    case IDYES:
      return MessageBoxAnswer::Yes;
    case IDNO:
      return MessageBoxAnswer::No;
    default:
      // IDOK, or a box that could not be shown: a question is answered No (nothing is done).
      return question ? MessageBoxAnswer::No : MessageBoxAnswer::Ok;
  }
}

std::wstring Win32Dialogs::InputBox(const std::wstring& prompt, const std::wstring& title,
                                    const std::wstring& defaultAnswer, int leftTwips,
                                    int topTwips) {
  return RunInputBox({prompt, title, defaultAnswer, leftTwips, topTwips});
}

std::wstring Win32Dialogs::OpenFile(const std::wstring& folder, const std::wstring& description,
                                    const std::wstring& pattern) {
  // "description\0pattern\0\0"
  std::wstring filter = description;
  filter += L'\0';
  filter += pattern;
  filter += L'\0';
  filter += L'\0';
  std::vector<wchar_t> file(32768, L'\0');  // room for long paths
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = DialogOwner();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.c_str();
  // The program opens every file by its full path: the current folder is left alone.
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return {};
  return std::wstring(file.data());
}

}  // namespace vl::win32
