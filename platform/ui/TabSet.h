#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/ControlStrings.h"
#include "platform/ui/Controls.h"

namespace qp {

// A row of tabs, one per line of Tabs, side by side from the left; the user selects one by
// clicking it.
class TTabSet : public TWinControl {
 public:
  explicit TTabSet(TComponent* owner);
  ~TTabSet() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TStrings* Tabs() const { return tabs_.get(); }
  // Copies tabs into the tab set's own; nullptr changes nothing.
  void SetTabs(TStrings* tabs);
  // The selected tab, or -1 for none; an index out of range selects none. Whenever it changes,
  // by code or by a click, the tab set raises OnClick; it does not when the selected tab is
  // deleted, nor while the tab set's form is read (the index is kept as read until Loaded, since
  // Tabs may follow it).
  std::int32_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(std::int32_t index);

  // Where tab index is, in the tab set's client coordinates: as wide as its text plus a margin on
  // either side, as high as the tab set. Empty for an index out of range.
  TRect ItemRect(std::int32_t index) const;
  // The tab at a point in client coordinates, or -1.
  std::int32_t ItemAtPos(TPoint point) const;

  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void TabsChanged();

  std::unique_ptr<TControlStrings> tabs_;
  std::int32_t tabIndex_ = -1;
};

}  // namespace qp
