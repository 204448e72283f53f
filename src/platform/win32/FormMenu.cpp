// Menu bar construction and the command ids of its items.
#include "platform/win32/FormMenu.h"

namespace vl::win32 {

namespace {
constexpr UINT kFirstId = 1000;
}

FormMenu::FormMenu(const std::vector<MenuItem*>& bar) {
  if (bar.empty()) return;
  bar_ = CreateMenu();
  for (MenuItem* item : bar)
    Append(bar_, *item);
}

void FormMenu::Append(HMENU menu, MenuItem& item) {
  if (!item.Items().empty()) {
    HMENU dropDown = CreatePopupMenu();
    for (MenuItem* child : item.Items())
      Append(dropDown, *child);
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown),
                item.Caption().c_str());
    return;
  }
  const UINT id = kFirstId + static_cast<UINT>(commands_.size());
  commands_.push_back(&item);
  AppendMenuW(menu, MF_STRING | (item.Checked() ? MF_CHECKED : MF_UNCHECKED), id,
              item.Caption().c_str());
}

bool FormMenu::Command(UINT id) {
  if (id < kFirstId || id - kFirstId >= commands_.size()) return false;
  commands_[id - kFirstId]->UserClick();
  return true;
}

UINT FormMenu::IdOf(const MenuItem& item) const {
  for (size_t i = 0; i < commands_.size(); ++i) {
    if (commands_[i] == &item) return kFirstId + static_cast<UINT>(i);
  }
  return 0;
}

bool FormMenu::ShowChecked(const MenuItem& item) {
  const UINT id = IdOf(item);
  if (bar_ == nullptr || id == 0) return false;
  // MF_BYCOMMAND finds the item in the drop-downs too.
  CheckMenuItem(bar_, id, MF_BYCOMMAND | (item.Checked() ? MF_CHECKED : MF_UNCHECKED));
  return item.Parent() == nullptr;
}

}  // namespace vl::win32
