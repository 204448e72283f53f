// What the view of a control needs from the form window it stands in.
#pragma once

#include <windows.h>

#include "platform/Types.h"
#include "platform/ui/Control.h"

namespace vl::win32 {

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  virtual int Dpi() const = 0;
  virtual HFONT FontFor(const Font& font) = 0;
  // The window a control stands in: its frame's window, or the form's.
  virtual HWND ContainerWindow(const Control* container) const = 0;
  // The back colour of a container (a frame, or the form for nullptr), defaults resolved.
  virtual COLORREF ContainerBack(const Control* container) const = 0;
  // Paints the shapes and lines standing directly in `container` (nullptr: the form).
  virtual void PaintShapes(const Control* container, HDC dc) = 0;
};

}  // namespace vl::win32
