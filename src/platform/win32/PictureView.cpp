// Picture: a window of the layer's own class painting the emblem on the back colour.
#include "platform/win32/PictureView.h"

#include "platform/win32/Emblem.h"
#include "platform/win32/PaintScope.h"

namespace vl::win32 {

namespace {
constexpr wchar_t kClass[] = L"VerdelunePicture";
}

void PictureView::Create() {
  RegisterOwnClass(kClass, 0);
  CreateOwn(kClass, control().Text().c_str(), PlacementFor(0));
  FinishCreation();
}

LRESULT PictureView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  auto painted = PaintScope::Handle(hwnd(), message, wParam, [this](HDC dc) {
    RECT rect;
    GetClientRect(hwnd(), &rect);
    DrawEmblem(dc, rect, Back());
  });
  return painted ? *painted : Default(message, wParam, lParam);
}

}  // namespace vl::win32
