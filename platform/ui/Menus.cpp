#include "platform/ui/Menus.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/ws/Menus.h"

namespace qp {

const TClass& TMenuItem::ClassInfo() {
  static const TClass info{
      Describe<TMenuItem, TComponent>("TMenuItem")
          .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
          .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
          .Default(0)
          .Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
          .Default(0)
          .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
          .Default(1)
          .Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
          .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
          .Default(0)
          .Property("OnClick", &TMenuItem::OnClick)};
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (parent_ != nullptr) parent_->Remove(this);
  for (TMenuItem* item : items_)
    item->parent_ = nullptr;
}

void TMenuItem::Click() {
  OnClick(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TMenuItem::MenuIndex() const {
  return parent_ != nullptr ? parent_->IndexOf(this) : -1;
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_ != nullptr) throw EListError("Men\xFCpunkt ist bereits eingef\xFCgt");
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_ != nullptr) parent_->Remove(this);
  if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  } else if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  }
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TMenuItem* item : items_)
    proc(item);
}

const TClass& TMenu::ClassInfo() {
  static const TClass info{Describe<TMenu, TComponent>("TMenu")};
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The root item is owned, so the base destructor frees it; it must not point back here then.
  items_->menu_ = nullptr;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  items_->GetChildren(proc, root);
}

const TClass& TMainMenu::ClassInfo() {
  static const TClass info{Describe<TMainMenu, TMenu>("TMainMenu")};
  return info;
}

const TClass& TPopupMenu::ClassInfo() {
  static const TClass info{Describe<TPopupMenu, TMenu>("TPopupMenu")};
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  TMenuItem* chosen = MenuService().TrackPopup(*Items(), TPoint{x, y}, 0);
  if (chosen != nullptr) chosen->Click();
}

}  // namespace qp
