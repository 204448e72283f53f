// Message pumping, bitmaps and the sample form.
#include "win32/WinTestSupport.h"

#include <fstream>

#include "platform/win32/FormWindow.h"

namespace vltest {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= end) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
}

Bitmap::Bitmap(int w, int h) : dc(CreateCompatibleDC(nullptr)), width(w), height(h) {
  BITMAPINFOHEADER header{sizeof header, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                             nullptr, 0);
  bits_ = static_cast<DWORD*>(bits);
  SelectObject(dc, bitmap_);
}

Bitmap::~Bitmap() {
  DeleteDC(dc);
  DeleteObject(bitmap_);
}

Bitmap::Bitmap(const RECT& r) : Bitmap(r.right - r.left, r.bottom - r.top) {
  HDC screen = GetDC(nullptr);
  BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
}

COLORREF Bitmap::At(int x, int y) const {
  const DWORD p = bits_[y * width + x];  // 0xRRGGBB
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Bitmap::Count(const RECT& rect, COLORREF colour) const {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x)
      count += At(x, y) == colour ? 1 : 0;
  }
  return count;
}

void Bitmap::Save(const std::string& path) const {
  GdiFlush();
  const DWORD size = static_cast<DWORD>(width * height * 4);
  for (DWORD i = 0; i < size / 4; ++i)
    bits_[i] |= 0xFF000000;  // opaque, should a reader take the fourth byte for alpha
  BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof header + size), 0, 0,
                        sizeof file + sizeof header};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(bits_), size);
}

namespace {
std::string ButtonName(vl::MouseButton b) {
  return b == vl::MouseButton::Left ? "L" : b == vl::MouseButton::Right ? "R" : "M";
}
}  // namespace

bool SampleForm::OnCloseRequest() {
  events.push_back("close?");
  return allowClose;
}
void SampleForm::OnMouseDown(vl::MouseButton b) {
  events.push_back("down:" + ButtonName(b));
}
void SampleForm::OnMouseUp(vl::MouseButton b) {
  events.push_back("up:" + ButtonName(b));
}

void SampleForm::Record(vl::Control& control, const std::string& tag) {
  auto add = [this, tag](const std::string& what) { events.push_back(tag + "." + what); };
  control.onClick = [add] { add("click"); };
  control.onDblClick = [add] { add("dblclick"); };
  control.onGotFocus = [add] { add("focus"); };
  control.onMouseDown = [add](vl::MouseButton b) { add("down:" + ButtonName(b)); };
  control.onMouseUp = [add](vl::MouseButton b) { add("up:" + ButtonName(b)); };
  control.onKeyDown = [add](int key) { add("key:" + std::to_string(key)); };
}

HWND SampleForm::WindowOf(const vl::Control& control) const {
  const auto* window = vl::win32::FormWindow::Of(Hwnd());
  return window != nullptr ? window->ControlWindow(control) : nullptr;
}

SampleForm::SampleForm(vl::Platform& platform)
    : Form(platform, {L"Sample", L"Verdelune \u2014 \u00e9chantillon", 4260, 5190, 0x404040}) {
  using K = vl::ControlKind;
  constexpr vl::Colour kNone = vl::kDefaultColour;
  Add({L"Shape1", K::Shape, L"", {15, 120, 4215, 5010}, kNone, kNone, 0x008000});
  Add({L"Label2", K::Label, L"Zo\u00eb & \u65e5\u672c", {240, 660, 2055, 375}, 0xFFE0C0, 0x004000});
  Add({L"ReyCommand1", K::Button, L"Kick", {2460, 600, 1500, 495}, 0xFFFF80});
  vl::Control& frame =
      Add({L"Frame2", K::Frame, L"Avec raison", {2100, 1320, 2010, 1420}, 0xFFC0C0});
  auto inFrame = [&frame](vl::ControlDesign d) {
    d.container = &frame;
    return d;
  };
  Add(inFrame({L"Label4", K::Label, L"Sans raison", {120, 300, 735, 375}, kNone, 0x0000C0}));
  Add(inFrame({L"ReyCommand2", K::Button, L"Puni", {120, 840, 735, 375}, 0xFFC0FF}));
  Add(inFrame({L"Line1", K::Line, L"", {1000, 240, 0, 1100}, kNone, kNone, 0x0000FF}));
  Add({L"PseudoManu", K::TextBox, L"Alice", {240, 1320, 1700, 375}, 0xE0FFE0, 0xFF0000});
  Add({L"Check1", K::CheckBox, L"Ne pas montrer", {240, 1920, 1700, 375}, 0xE0E0E0});
  Add({L"Picture1", K::Picture, L"", {240, 2520, 1200, 1200}});
  Add({L"Label3", K::Label, L"D\u00e9sactiv\u00e9", {2100, 3000, 2010, 375}, kNone, 0xFFFFFF})
      .SetEnabled(false);
  vl::MenuItem& configure = AddMenu(L"configurer", L"Configurer");
  AddMenu(L"SalutNewUser", L"Salut auto entr\u00e9e user", &configure);
  AddMenu(L"standby", L"Pause");
}

}  // namespace vltest
