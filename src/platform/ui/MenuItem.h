// A menu of one of the program's windows: a top-level entry of the menu bar, or an item of a
// drop-down menu.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vl {

class MenuItem;

class MenuObserver {
 public:
  virtual ~MenuObserver() = default;
  virtual void MenuChanged(MenuItem& item) = 0;
};

class MenuItem {
 public:
  MenuItem(std::wstring name, std::wstring caption, MenuItem* parent)
      : name_(std::move(name)), caption_(std::move(caption)), parent_(parent) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::wstring& Name() const { return name_; }
  const std::wstring& Caption() const { return caption_; }
  MenuItem* Parent() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (observer_ != nullptr) observer_->MenuChanged(*this);
  }

  std::function<void()> onClick;
  // The user chose the item (from the platform).
  void UserClick() {
    if (onClick) onClick();
  }

  void AddItem(MenuItem* item) { items_.push_back(item); }
  void SetObserver(MenuObserver* observer) { observer_ = observer; }

 private:
  std::wstring name_;
  std::wstring caption_;
  MenuItem* parent_;
  std::vector<MenuItem*> items_;
  bool checked_ = false;
  MenuObserver* observer_ = nullptr;
};

}  // namespace vl
