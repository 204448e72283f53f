// Small owners of GDI objects, so that every brush, pen and selection is given back.
#pragma once

#include <windows.h>

namespace vl::win32 {

// A GDI object (brush, pen, font) deleted with the owner.
template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

// Selects an object into a DC for the scope, then puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A solid brush for one colour, made again only when the colour changes (WM_CTLCOLOR*
// answers are asked for at every paint).
class ColourBrush {
 public:
  HBRUSH For(COLORREF colour) {
    if (brush_.get() == nullptr || colour != colour_) {
      brush_.Reset(CreateSolidBrush(colour));
      colour_ = colour;
    }
    return brush_.get();
  }

 private:
  GdiObject<HBRUSH> brush_;
  COLORREF colour_ = 0;
};

inline void FillWith(HDC dc, const RECT& rect, COLORREF colour) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.get());
}

}  // namespace vl::win32
