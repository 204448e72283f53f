#include "platform/win32/ListBoxView.h"

#include <algorithm>

namespace vl::win32 {

void ListBoxView::Create() {
  CreateSubclassed(
      L"LISTBOX", L"",
      PlacementFor(WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE));
  FinishCreation();
  Fill();
}

void ListBoxView::Update(ControlProperty what) {
  if (what == ControlProperty::Items) {
    Fill();
    return;
  }
  ControlView::Update(what);
}

void ListBoxView::Relayout() {
  ControlView::Relayout();
  MeasureWidth();
}

// Without redrawing item by item: a thousand rows would otherwise paint a thousand times.
void ListBoxView::Fill() {
  HWND list = hwnd();
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  const auto& items = control().Items();
  std::size_t chars = 0;
  for (const std::wstring& item : items)
    chars += item.size() + 1;
  SendMessageW(list, LB_INITSTORAGE, items.size(), chars * sizeof(wchar_t));
  for (const std::wstring& item : items)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  MeasureWidth();
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// A list box scrolls sideways only as far as it is told: the widest item, in its font.
void ListBoxView::MeasureWidth() {
  HWND list = hwnd();
  if (list == nullptr) return;
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, ControlFont());
  LONG widest = 0;
  for (const std::wstring& item : control().Items()) {
    SIZE size{};
    GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(item.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

std::optional<LRESULT> ListBoxView::Reflected(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) return 0;
  if (message != WM_CTLCOLORLISTBOX) return std::nullopt;
  auto dc = reinterpret_cast<HDC>(wParam);
  const COLORREF back = ColourOr(control().BackColour(), COLOR_WINDOW);
  SetTextColor(dc, Fore(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(brush_.For(back));
}

}  // namespace vl::win32
