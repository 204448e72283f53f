// The audit's checks. Positions are read back from the native windows, never taken from the
// design, so that what is checked is what the renderer made of it.
#include "win32/audit/Audit.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32WindowSystem.h"

namespace vlaudit {
namespace {

// Controls meant to cover others when shown: the click at their centre must reach them.
const std::set<std::wstring> kOverlays = {L"Reglages/frameerreur", L"Reglages/PseudoManu",
                                          L"Reglages/Label6",      L"Principale/Frame1",
                                          L"Principale/Frame2",    L"Principale/Frame3"};
// Reading order the layout must keep: the control lies below the first, above the second.
struct Between {
  const wchar_t *window, *control, *below, *above;
};
const Between kOrder[] = {{L"MessagesEdit", L"Label10", L"Label9", L"Text1(0)"}};

std::string Utf8(const std::wstring& text) {
  std::string out(text.size() * 3 + 1, '\0');
  out.resize(
      static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(),
                                              static_cast<int>(out.size()), nullptr, nullptr)) -
      1);
  return out;
}

RECT InTop(HWND top, HWND window, bool client) {
  RECT r;
  if (client) {
    GetClientRect(window, &r);
    MapWindowPoints(window, top, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

// The part of the top window's client area where a child of `parent` can show.
RECT ShownArea(HWND top, HWND parent) {
  RECT area = InTop(top, parent, true);
  for (HWND p = parent; p != top; p = GetParent(p)) {
    RECT outer = InTop(top, GetParent(p), true);
    IntersectRect(&area, &area, &outer);
  }
  return area;
}

int Outside(const RECT& r, const RECT& area) {
  return std::max(
      {area.left - r.left, area.top - r.top, r.right - area.right, r.bottom - area.bottom});
}

// What a click at a point of the top window's client area reaches.
HWND HitAt(HWND top, POINT at) {
  HWND hit = top;
  for (;;) {
    POINT p = at;
    MapWindowPoints(top, hit, &p, 1);
    HWND child = ChildWindowFromPointEx(hit, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == hit) return hit;
    hit = child;
  }
}

std::string TextFault(const Item& it, int dpi) {
  if (it.fit == Fit::None || it.text.empty() || it.hwnd == nullptr) return {};
  RECT room;
  GetClientRect(it.hwnd, &room);
  UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;
  switch (it.fit) {
    case Fit::Wrap:
      format = (format & ~DT_SINGLELINE) | DT_WORDBREAK;
      break;
    case Fit::Button:  // the renderer's edge (2 px) and text inset (2 and 1 px)
      format = (format & ~DT_SINGLELINE) | DT_WORDBREAK;
      InflateRect(&room, -4, -3);
      break;
    case Fit::PushButton:
      InflateRect(&room, -4, -3);
      break;
    case Fit::Line:
      room.right -= it.margins;
      break;
    case Fit::CheckBox:  // the box and its gap before the text
      room.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + MulDiv(4, dpi, 96);
      break;
    case Fit::Caption:  // FrameView: an 8 px indent, a 2 px gap on each side and at the end
      room.right -= MulDiv(8, dpi, 96) + 3 * MulDiv(2, dpi, 96);
      room.bottom = 1 << 20;
      break;
    case Fit::None:
      break;
  }
  const int width = room.right - room.left, height = room.bottom - room.top;
  HDC dc = GetDC(it.hwnd);
  HGDIOBJ old = SelectObject(dc, it.font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT need{0, 0, width, 0};
  DrawTextW(dc, it.text.c_str(), -1, &need, format);
  SelectObject(dc, old);
  ReleaseDC(it.hwnd, dc);
  const int line = std::max<int>(metrics.tmHeight, 1);
  if (need.right > width) {
    return "text too wide by " + std::to_string(need.right - width) + " px (needs " +
           std::to_string(need.right) + ", has " + std::to_string(width) + ")";
  }
  if (need.bottom > height) {
    return std::to_string(need.bottom / line) + " line(s) of text need " +
           std::to_string(need.bottom) + " px, " + std::to_string(height) + " px show: cut by " +
           std::to_string(need.bottom - height) + " px";
  }
  return {};
}

// The window as it shows on the screen, as a BMP file (montage turns it into a picture).
void SaveScreenshot(HWND top, const std::string& path) {
  RECT r;
  GetWindowRect(top, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFOHEADER header{sizeof header, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * h);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof header + size), 0, 0,
                        sizeof file + sizeof header};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

std::vector<Item> ItemsOf(const vl::Form& form) {
  using K = vl::ControlKind;
  HWND top = reinterpret_cast<HWND>(form.Handle());
  const auto& window = *vl::win32::FormWindow::Of(top);
  auto& fonts = static_cast<vl::win32::Win32WindowSystem&>(form.platform().windows()).Fonts();
  std::vector<Item> items;
  for (const auto& c : form.Controls()) {
    Item it;
    it.name = c->Name();
    it.hwnd = window.ControlWindow(*c);
    it.parent = c->Container() != nullptr ? window.ControlWindow(*c->Container()) : top;
    for (const vl::Control* o = c.get(); o != nullptr; o = o->Container())
      it.overlay = it.overlay || kOverlays.contains(form.Name() + L"/" + o->Name());
    if (it.hwnd != nullptr) {
      it.visible = IsWindowVisible(it.hwnd) != FALSE;
      it.rect = InTop(top, it.hwnd, false);
    } else {  // a shape or a line: its design rectangle on its container, at least 1 px wide
      const vl::Rect& b = c->Bounds();
      auto px = [&](int twips) { return MulDiv(twips, window.Dpi(), 1440); };
      const RECT on = InTop(top, it.parent, true);
      it.rect = {std::min(px(b.left), px(b.left + b.width)),
                 std::min(px(b.top), px(b.top + b.height)),
                 std::max(px(b.left), px(b.left + b.width)) + 1,
                 std::max(px(b.top), px(b.top + b.height)) + 1};
      OffsetRect(&it.rect, on.left, on.top);
      it.visible = c->Visible() && IsWindowVisible(it.parent);
    }
    it.text = c->Text();
    it.font = fonts.Get(c->GetFont(), window.Dpi());
    const K kind = c->Kind();
    it.fit = kind == K::Label      ? Fit::Wrap
             : kind == K::Button   ? Fit::Button
             : kind == K::TextBox  ? Fit::Line
             : kind == K::CheckBox ? Fit::CheckBox
             : kind == K::Frame    ? Fit::Caption
                                   : Fit::None;
    DWORD_PTR margins = 0;
    if (kind == K::TextBox && it.visible &&
        SendMessageTimeoutW(it.hwnd, EM_GETMARGINS, 0, 0, SMTO_NORMAL, 100, &margins) != 0) {
      it.margins = LOWORD(margins) + HIWORD(margins);
    }
    items.push_back(std::move(it));
  }
  return items;
}

std::vector<Item> ItemsOfDialog(HWND box) {
  std::vector<Item> items;
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[32] = {}, text[1024] = {};
    GetClassNameW(c, kind, 32);
    GetWindowTextW(c, text, 1024);
    const std::wstring k = kind;
    Item it{k + L"(" + std::to_wstring(GetDlgCtrlID(c)) + L")",
            c,
            IsWindowVisible(c) != FALSE,
            InTop(box, c, false),
            box,
            text,
            reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0))};
    it.fit = _wcsicmp(kind, L"Static") == 0   ? Fit::Wrap
             : _wcsicmp(kind, L"Button") == 0 ? Fit::PushButton
                                              : Fit::Line;
    if (it.fit == Fit::Line) {
      const auto m = static_cast<DWORD>(SendMessageW(c, EM_GETMARGINS, 0, 0));
      it.margins = LOWORD(m) + HIWORD(m);
    }
    items.push_back(std::move(it));
  }
  return items;
}

std::vector<std::string> Audit(HWND top, const std::vector<Item>& items, const std::string& window,
                               const std::string& state) {
  const int dpi = static_cast<int>(GetDpiForWindow(top));
  const std::string where = std::to_string(dpi) + " dpi, " + window + ", " + state + ": ";
  if (const char* dir = std::getenv("VL_AUDIT_DIR")) {
    SaveScreenshot(
        top, std::string(dir) + "/" + std::to_string(dpi) + "-" + window + "-" + state + ".bmp");
  }
  std::set<std::string> faults;  // one line per fault, whatever pair found it
  auto name = [&](HWND w) -> std::string {
    for (; w != nullptr && w != top; w = GetParent(w)) {
      for (const Item& it : items)
        if (it.hwnd == w) return Utf8(it.name);
    }
    return "the window itself";
  };
  std::vector<const Item*> shown;
  RECT client;
  GetClientRect(top, &client);
  for (const Item& it : items) {
    RECT area = ShownArea(top, it.parent), seen;
    if (!it.visible || !IntersectRect(&seen, &it.rect, &area)) continue;  // out of sight
    const std::string n = Utf8(it.name);
    if (const int out = Outside(it.rect, client); out > 0) {
      faults.insert(where + n + " straddles the edge of the client area: " + std::to_string(out) +
                    " px outside");
    } else if (const int past = Outside(it.rect, area); past > 0) {
      faults.insert(where + n + " straddles the edge of " + name(it.parent) + ": " +
                    std::to_string(past) + " px outside");
    }
    if (std::string fault = TextFault(it, dpi); !fault.empty())
      faults.insert(where + n + " text clipped: " + fault);
    if (it.hwnd != nullptr) shown.push_back(&it);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const Item &a = *shown[i], &b = *shown[j];
      RECT both;
      if (IsChild(a.hwnd, b.hwnd) || IsChild(b.hwnd, a.hwnd) ||
          !IntersectRect(&both, &a.rect, &b.rect)) {
        continue;
      }
      if (!a.overlay && !b.overlay) {
        faults.insert(where + Utf8(a.name) + " and " + Utf8(b.name) + " overlap by " +
                      std::to_string(both.right - both.left) + "x" +
                      std::to_string(both.bottom - both.top) + " px");
      }
      for (const Item* o : {&a, &b}) {
        const POINT centre{(o->rect.left + o->rect.right) / 2, (o->rect.top + o->rect.bottom) / 2};
        const HWND hit = HitAt(top, centre);
        if (o->overlay && hit != o->hwnd && !IsChild(o->hwnd, hit))
          faults.insert(where + Utf8(o->name) + " is covered: a click at its centre reaches " +
                        name(hit));
      }
    }
  }
  for (const Between& rule : kOrder) {
    auto find = [&](const wchar_t* n) {
      return std::find_if(items.begin(), items.end(), [n](const Item& it) { return it.name == n; });
    };
    if (Utf8(rule.window) != window || find(rule.control) == items.end()) continue;
    const RECT& r = find(rule.control)->rect;
    const int above = find(rule.below)->rect.bottom - r.top;
    const int below = r.bottom - find(rule.above)->rect.top;
    if (above > 0 || below > 0) {
      faults.insert(where + Utf8(rule.control) + " is not between " + Utf8(rule.below) + " and " +
                    Utf8(rule.above) + ": " + std::to_string(std::max(above, below)) + " px " +
                    (below > 0 ? "below the top of " + Utf8(rule.above)
                               : "above the bottom of " + Utf8(rule.below)));
    }
  }
  return {faults.begin(), faults.end()};
}

}  // namespace vlaudit
