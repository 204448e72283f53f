// CreateFontW with the design's face name, the height in pixels at the window's DPI and
// the weight; the fonts live as long as the window system.
#include "platform/win32/FontCache.h"

#include <cmath>

namespace vl::win32 {

FontCache::~FontCache() {
  for (auto& [key, font] : fonts_)
    DeleteObject(font);
}

HFONT FontCache::Get(const Font& font, int dpi) {
  Key key{font.name, font.points, font.bold, dpi};
  if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
  HFONT made = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
  if (made == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(std::move(key), made);
  return made;
}

}  // namespace vl::win32
