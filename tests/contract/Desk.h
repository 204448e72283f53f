// The platform under test: the contract cases run over the fake platform (native build) and
// over real Win32 windows (under Wine). Each executable links one MakeDesk.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/ui/Form.h"

namespace contract {

using vl::WindowHandle;
using Names = std::vector<std::wstring>;

struct Desk {
  virtual ~Desk() = default;
  virtual vl::Platform& platform() = 0;
  // Another program's top-level window of class "ContractRoom" titled `title`, then its
  // children of the given `classes` in that order: {window, children...}.
  virtual std::vector<WindowHandle> MakeRoom(const std::wstring& title, const Names& classes) = 0;
  virtual void Destroy(WindowHandle window) = 0;
  virtual void Disable(WindowHandle window) = 0;
  virtual void RemoveFile(const std::wstring& path) = 0;
  virtual int Clicks(WindowHandle button) = 0;  // as the button's parent has seen them
  virtual void Pass(int ms) = 0;                // with the program taking its events
  // The next message box stays up while `ms` pass, then is answered; `shown` gets its text.
  virtual void AnswerNextBox(int ms, vl::MessageBoxAnswer answer, std::wstring& shown) = 0;
  // Another program takes the activation; the user then brings `form` to the front.
  virtual void ActivateOther() = 0;
  virtual void Activate(vl::Form& form) = 0;
};

std::unique_ptr<Desk> MakeDesk();

}  // namespace contract
