#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/ControlStrings.h"
#include "platform/ui/Controls.h"

namespace qp {

// A list of text lines on the system's list box, one of which the user may select. Items and
// selection live in the control; a window, when there is one, mirrors them.
class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TStrings* Items() const { return items_.get(); }
  // Copies items into the list box's own; nullptr changes nothing.
  void SetItems(TStrings* items);
  // -1 when no line is selected; an index out of range selects none. Setting it raises nothing;
  // OnClick reports the user's choice.
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);
  bool Sorted() const { return sorted_; }
  // A change creates the window anew.
  void SetSorted(bool sorted);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  // The user selected a line: read it back from the window.
  void SelectionChanged();
  void ItemsChanged();
  void PushItems();

  std::unique_ptr<TControlStrings> items_;
  std::int32_t itemIndex_ = -1;
  bool sorted_ = false;
};

// List box messages and notifications.
constexpr std::uint32_t LB_ADDSTRING = 0x0180;
constexpr std::uint32_t LB_RESETCONTENT = 0x0184;
constexpr std::uint32_t LB_SETCURSEL = 0x0186;
constexpr std::uint32_t LB_GETCURSEL = 0x0188;
constexpr std::uint32_t LBN_SELCHANGE = 1;

}  // namespace qp
