// The menu bar of a form, made from Form::MenuBar(): drop-downs for the entries that have
// items, commands for the others, check marks kept in step with MenuItem::Checked.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/ui/MenuItem.h"

namespace vl::win32 {

class FormMenu {
 public:
  // Builds the bar; Handle() is null when the form has no menu. The window that the bar is
  // set on owns it from then on and destroys it with itself.
  explicit FormMenu(const std::vector<MenuItem*>& bar);
  FormMenu(const FormMenu&) = delete;
  FormMenu& operator=(const FormMenu&) = delete;

  HMENU Handle() const { return bar_; }
  // WM_COMMAND from the menu: the item's UserClick. False for an id that is not a menu item.
  bool Command(UINT id);
  // Shows the item's check state; true when the bar itself must be drawn again.
  bool ShowChecked(const MenuItem& item);
  UINT IdOf(const MenuItem& item) const;

 private:
  void Append(HMENU menu, MenuItem& item);

  HMENU bar_ = nullptr;
  std::vector<MenuItem*> commands_;  // command id = kFirstId + index
};

}  // namespace vl::win32
