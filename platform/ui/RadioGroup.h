#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ui/ControlStrings.h"
#include "platform/ui/Controls.h"

namespace qp {

class TGroupButton;

// A framed group of radio buttons, one per line of Items, laid out in columns; at most one is
// chosen. Each button is a system button window inside the group's own window.
class TRadioGroup : public TWinControl {
 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  TStrings* Items() const { return items_.get(); }
  // Copies items into the group's own; nullptr changes nothing.
  void SetItems(TStrings* items);
  // The chosen line, or -1 for none; an index out of range chooses none. Whenever it changes,
  // by code or because the user clicked a button, the group raises OnClick, as the adopting
  // language engine expects; it does not when the chosen line is deleted, nor while the group's
  // form is read (the index is kept as read until Loaded, since Items may follow it).
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);
  // The buttons fill the columns from top to bottom, the first column first; values below 1
  // are taken as 1.
  std::int32_t Columns() const { return columns_; }
  void SetColumns(std::int32_t columns);

  void Loaded() override;

 protected:
  void BoundsChanged() override;
  void FontChanged() override { ArrangeButtons(); }

 private:
  void ItemsChanged();
  void RebuildButtons();
  void ArrangeButtons();
  void CheckChosenButton();

  std::unique_ptr<TControlStrings> items_;
  std::vector<std::unique_ptr<TGroupButton>> buttons_;
  std::int32_t itemIndex_ = -1;
  std::int32_t columns_ = 1;
};

}  // namespace qp
