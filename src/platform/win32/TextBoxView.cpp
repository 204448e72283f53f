// Text box: key downs and typed characters (Enter swallowed, so that the edit does not beep),
// mouse presses and focus go to the control; what the user types becomes the control's text.
#include "platform/win32/TextBoxView.h"

#include "platform/win32/MouseMessages.h"

namespace vl::win32 {

void TextBoxView::Create() {
  CreateSubclassed(L"EDIT", control().Text().c_str(),
                   PlacementFor(ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP, WS_EX_CLIENTEDGE));
  FinishCreation();
}

void TextBoxView::Update(ControlProperty what) {
  if (what == ControlProperty::Text && hwnd() != nullptr) {
    programWrites_ = true;
    SetWindowTextW(hwnd(), control().Text().c_str());
    programWrites_ = false;
    return;
  }
  ControlView::Update(what);
}

LRESULT TextBoxView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto mouse = MouseActionOf(message); mouse && mouse->down) {
    // The edit takes the focus and places the caret first, as a click into a box does.
    LRESULT result = Default(message, wParam, lParam);
    control().UserMouseDown(mouse->button);
    return result;
  }
  switch (message) {
    case WM_KEYDOWN:
      return KeyDown(wParam, lParam);
    case WM_CHAR:
      if (wParam == L'\r' || wParam == L'\n') return 0;
      return Char(wParam, lParam);
    case WM_SETFOCUS: {
      LRESULT result = Default(message, wParam, lParam);
      control().UserGotFocus();
      return result;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

LRESULT TextBoxView::KeyDown(WPARAM key, LPARAM lParam) {
  auto alive = LifeToken();
  control().UserKeyDown(static_cast<int>(key));
  if (alive.expired() || hwnd() == nullptr || key == VK_RETURN) return 0;
  return Default(WM_KEYDOWN, key, lParam);
}

// The character goes to the control before the edit writes it, so a handler may clear the
// box for it. An input method's text arrives here as WM_CHAR once the system turns its
// WM_IME_CHAR into one.
LRESULT TextBoxView::Char(WPARAM character, LPARAM lParam) {
  auto alive = LifeToken();
  control().UserChar(static_cast<wchar_t>(character));
  if (alive.expired() || hwnd() == nullptr) return 0;
  return Default(WM_CHAR, character, lParam);
}

std::optional<LRESULT> TextBoxView::Reflected(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) == EN_CHANGE && !programWrites_) TextEdited();
    return 0;
  }
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return std::nullopt;
  auto dc = reinterpret_cast<HDC>(wParam);
  const COLORREF back = ColourOr(control().BackColour(), COLOR_WINDOW);
  SetTextColor(dc, control().Enabled() ? Fore(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(brush_.For(back));
}

void TextBoxView::TextEdited() {
  const int length = GetWindowTextLengthW(hwnd());
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd(), text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
  control().UserEditedText(std::move(text));
}

}  // namespace vl::win32
