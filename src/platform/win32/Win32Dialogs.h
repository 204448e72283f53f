// Message boxes, the input box and the file-open dialog. Each runs a modal loop of Windows,
// which dispatches WM_TIMER: the program's timers go on ticking under them.
#pragma once

#include "platform/Dialogs.h"

namespace vl::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  MessageBoxAnswer ShowMessage(const std::wstring& text, const std::wstring& caption,
                               MessageBoxStyle style) override;
  std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                        const std::wstring& defaultAnswer, int leftTwips, int topTwips) override;
  std::wstring OpenFile(const std::wstring& folder, const std::wstring& description,
                        const std::wstring& pattern) override;
};

}  // namespace vl::win32
