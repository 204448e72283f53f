// An in-memory dialog template (DLGTEMPLATE and its DLGITEMTEMPLATEs) for
// DialogBoxIndirectParamW, so that a dialog needs no resource file.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace vl::win32 {

class DialogTemplate {
 public:
  // The predefined control classes, as the template names them.
  enum class Kind : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

  // Sizes in dialog units; the font is set (DS_SETFONT).
  DialogTemplate(DWORD style, short width, short height, std::wstring_view title,
                 std::wstring_view fontName, WORD fontPoints);
  void Add(Kind kind, WORD id, DWORD style, RECT rect, std::wstring_view text);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

 private:
  void Word(WORD value) { data_.push_back(value); }
  void Dword(DWORD value);
  void String(std::wstring_view text);
  void AlignToDword();

  std::vector<WORD> data_;
  static constexpr size_t kCountAt = 4;  // index of the item count (cdit) in data_
};

}  // namespace vl::win32
