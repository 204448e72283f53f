// Modal dialogs. All of them let the program's timers go on ticking while they are open.
// (No member is called MessageBox: <windows.h> would rename it in the win32 layer alone.)
#pragma once

#include <string>

namespace vl {

enum class MessageBoxStyle { Ok, YesNoQuestion };
enum class MessageBoxAnswer { Ok, Yes, No };

class Form;

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual MessageBoxAnswer ShowMessage(const std::wstring& text, const std::wstring& caption,
                                       MessageBoxStyle style) = 0;
  // A prompt with a one-line answer, placed at (left, top) in twips on the screen. Cancel and
  // the close box give "".
  virtual std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                                const std::wstring& defaultAnswer, int leftTwips, int topTwips) = 0;
  // File-open dialog starting in `folder`, showing the files of `pattern` under
  // `description`. Returns the full path chosen, "" when cancelled.
  virtual std::wstring OpenFile(const std::wstring& folder, const std::wstring& description,
                                const std::wstring& pattern) = 0;
};

}  // namespace vl
