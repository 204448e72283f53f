// The input box: a prompt, a one-line answer holding the default answer (selected), "OK"
// and "Annuler", placed at a point of the screen.
#pragma once

#include <string>

namespace vl::win32 {

struct InputBoxRequest {
  std::wstring prompt;  // a lone CR is a line break
  std::wstring title;
  std::wstring defaultAnswer;
  int leftTwips = 0;
  int topTwips = 0;
};

// Modal; the program's timers go on ticking. Cancel and the close box give "".
std::wstring RunInputBox(const InputBoxRequest& request);

// The prompt as the static control shows it: every CR not followed by LF becomes CR LF.
std::wstring PromptLines(const std::wstring& prompt);

}  // namespace vl::win32
