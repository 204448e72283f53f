// The input box's template and dialog procedure. Its layout follows the classic input box:
// the prompt at the top left, the buttons on the right, the answer across the bottom.
#include "platform/win32/InputBox.h"

#include <windows.h>

#include "platform/win32/DialogOwner.h"
#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Dpi.h"

namespace vl::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kAnswerId = 101;

struct InputBoxState {
  const InputBoxRequest* request;
  std::wstring answer;
};

std::wstring ReadAnswer(HWND dialog) {
  HWND edit = GetDlgItem(dialog, kAnswerId);
  const int length = GetWindowTextLengthW(edit);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), length + 1)));
  return text;
}

void Initialise(HWND dialog, const InputBoxRequest& request) {
  SetDlgItemTextW(dialog, kPromptId, PromptLines(request.prompt).c_str());
  HWND edit = GetDlgItem(dialog, kAnswerId);
  SetWindowTextW(edit, request.defaultAnswer.c_str());
  const int dpi = DpiOf(dialog);
  SetWindowPos(dialog, HWND_TOP, TwipsToPixels(request.leftTwips, dpi),
               TwipsToPixels(request.topTwips, dpi), 0, 0, SWP_NOSIZE);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SetForegroundWindow(dialog);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    Initialise(dialog, *reinterpret_cast<InputBoxState*>(lParam)->request);
    return FALSE;  // the focus is set
  }
  if (message != WM_COMMAND) return FALSE;
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (LOWORD(wParam)) {
    case IDOK:
      state->answer = ReadAnswer(dialog);
      EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:  // the "Annuler" button, Escape and the close box
      state->answer.clear();
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

DialogTemplate MakeTemplate(const std::wstring& title) {
  using Kind = DialogTemplate::Kind;
  DialogTemplate t(DS_MODALFRAME | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION | WS_SYSMENU, 250, 86,
                   title, L"MS Shell Dlg", 8);
  t.Add(Kind::Static, kPromptId, SS_LEFT | SS_NOPREFIX, {6, 6, 186, 60}, L"");
  t.Add(Kind::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {192, 6, 244, 20}, L"OK");
  t.Add(Kind::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {192, 24, 244, 38}, L"Annuler");
  t.Add(Kind::Edit, kAnswerId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {6, 66, 244, 79}, L"");
  return t;
}

}  // namespace

std::wstring PromptLines(const std::wstring& prompt) {
  std::wstring lines;
  lines.reserve(prompt.size() + 8);
  for (size_t i = 0; i < prompt.size(); ++i) {
    lines += prompt[i];
    if (prompt[i] == L'\r' && (i + 1 == prompt.size() || prompt[i + 1] != L'\n')) lines += L'\n';
  }
  return lines;
}

std::wstring RunInputBox(const InputBoxRequest& request) {
  const DialogTemplate dialog = MakeTemplate(request.title);
  InputBoxState state{&request, {}};
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), DialogOwner(), &Procedure,
                              reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? state.answer : std::wstring();
}

}  // namespace vl::win32
