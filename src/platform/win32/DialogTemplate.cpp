// The template's layout: the header (style, extended style, item count, x, y, cx, cy, no
// menu, the default class, the title, the font), then each item DWORD-aligned (style,
// extended style, x, y, cx, cy, id, class atom, text, no creation data).
#include "platform/win32/DialogTemplate.h"

namespace vl::win32 {

DialogTemplate::DialogTemplate(DWORD style, short width, short height, std::wstring_view title,
                               std::wstring_view fontName, WORD fontPoints) {
  Dword(style | DS_SETFONT);
  Dword(0);
  Word(0);  // the item count, counted by Add
  Word(0);
  Word(0);
  Word(static_cast<WORD>(width));
  Word(static_cast<WORD>(height));
  Word(0);  // no menu
  Word(0);  // the predefined dialog class
  String(title);
  Word(fontPoints);
  String(fontName);
}

void DialogTemplate::Add(Kind kind, WORD id, DWORD style, RECT rect, std::wstring_view text) {
  AlignToDword();
  Dword(style | WS_CHILD | WS_VISIBLE);
  Dword(0);
  Word(static_cast<WORD>(rect.left));
  Word(static_cast<WORD>(rect.top));
  Word(static_cast<WORD>(rect.right - rect.left));
  Word(static_cast<WORD>(rect.bottom - rect.top));
  Word(id);
  Word(0xFFFF);
  Word(static_cast<WORD>(kind));
  String(text);
  Word(0);  // no creation data
  ++data_[kCountAt];
}

void DialogTemplate::Dword(DWORD value) {
  Word(LOWORD(value));
  Word(HIWORD(value));
}

void DialogTemplate::String(std::wstring_view text) {
  for (wchar_t c : text)
    Word(static_cast<WORD>(c));
  Word(0);
}

void DialogTemplate::AlignToDword() {
  if (data_.size() % 2 != 0) Word(0);
}

}  // namespace vl::win32
