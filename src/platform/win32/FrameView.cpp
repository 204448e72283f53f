// Frame: the border is an etched line whose top runs through the middle of the caption's
// height; the caption stands on the back colour, interrupting it. A frame is hidden by being
// moved out of the client area, which is nothing but a change of its bounds.
#include "platform/win32/FrameView.h"

#include <algorithm>

#include "platform/win32/Gdi.h"
#include "platform/win32/PaintScope.h"
#include "platform/win32/TextPaint.h"

namespace vl::win32 {

namespace {
constexpr wchar_t kClass[] = L"VerdeluneFrame";
}

void FrameView::Create() {
  RegisterOwnClass(kClass, 0);
  CreateOwn(kClass, control().Text().c_str(), PlacementFor(WS_CLIPCHILDREN));
  FinishCreation();
}

LRESULT FrameView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = PaintScope::Handle(hwnd(), message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *painted;
  }
  if (auto reflected = ReflectToChild(message, wParam, lParam)) return *reflected;
  return Default(message, wParam, lParam);
}

void FrameView::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillWith(dc, client, Back());
  host().PaintShapes(&control(), dc);

  const std::wstring& caption = control().Text();
  HFONT font = ControlFont();
  const SIZE line = MeasureLine(dc, caption, font);
  RECT border = client;
  border.top += line.cy / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;

  const int indent = MulDiv(8, host().Dpi(), USER_DEFAULT_SCREEN_DPI);
  const int gap = MulDiv(2, host().Dpi(), USER_DEFAULT_SCREEN_DPI);
  RECT text{indent, 0, std::min<LONG>(indent + line.cx + 2 * gap, client.right - gap), line.cy};
  FillWith(dc, text, Back());
  InflateRect(&text, -gap, 0);
  TextStyle style;
  style.font = font;
  style.colour = Fore(COLOR_WINDOWTEXT);
  style.enabled = control().Enabled();
  DrawWrappedText(dc, caption, text, style);
}

}  // namespace vl::win32
