// The fonts of the program's windows, made once per face, size, weight and DPI.
#pragma once

#include <windows.h>

#include <compare>
#include <map>
#include <string>

#include "platform/ui/Control.h"

namespace vl::win32 {

class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  // The font at `dpi` (points to pixels: points * dpi / 72). Never null: a face that cannot
  // be made falls back to the system's GUI font.
  HFONT Get(const Font& font, int dpi);

 private:
  struct Key {
    std::wstring name;
    double points;
    bool bold;
    int dpi;
    auto operator<=>(const Key&) const = default;
  };
  std::map<Key, HFONT> fonts_;
};

}  // namespace vl::win32
