#pragma once

#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/Event.h"

namespace qp {

// One item of a menu; its children form its submenu. A caption of "-" makes a separator.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radioItem) { radioItem_ = radioItem; }
  // The default item of a menu is drawn bold.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool IsSeparator() const { return caption_ == "-"; }

  TNotifyEvent OnClick;
  // Raises OnClick with the item as sender.
  virtual void Click();

  TMenuItem* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index out of range.
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  // Position of this item in its parent's submenu, or -1.
  int MenuIndex() const;
  void Add(TMenuItem* item);
  // Raises EListError for an index out of range or an item that already has a parent.
  void Insert(int index, TMenuItem* item);
  // Takes the item out of the submenu without freeing it; its owner still frees it.
  void Remove(TMenuItem* item);

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  std::string caption_;
  std::string hint_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  bool enabled_ = true;
  TMenuItem* parent_ = nullptr;
  // The menu that holds this item as its invisible root, if any.
  TComponent* menu_ = nullptr;
  std::vector<TMenuItem*> items_;

  friend class TMenu;
};

// A menu: its top-level items are the children of an invisible root item that it owns.
class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TMenuItem* Items() const { return items_; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  TMenuItem* items_;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Shows the menu at a screen point and tracks it until it closes; then the chosen item's
  // click runs.
  virtual void Popup(int x, int y);
};

}  // namespace qp
