#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/ControlStrings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Messages.h"

namespace qp {

class TCanvas;

enum class TComboBoxStyle {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};
const TTypeInfo& TypeInfoFor(TComboBoxStyle*);

// A drop-down list of text items on the system's combo box. Items, selection and style live in
// the control; a window, when there is one, mirrors them.
class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* items);
  // -1 when no item is selected.
  std::int32_t ItemIndex() const { return itemIndex_; }
  void SetItemIndex(std::int32_t index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  std::int32_t ItemHeight() const { return itemHeight_; }
  // Values of 0 or less are ignored.
  void SetItemHeight(std::int32_t height);
  bool Sorted() const { return sorted_; }
  // A change creates the window anew.
  void SetSorted(bool sorted);
  std::int32_t DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(std::int32_t count) { dropDownCount_ = count; }
  TCanvas* Canvas() const { return canvas_.get(); }
  // A list style selects the item of that text instead; an unknown text changes nothing then.
  void SetText(const std::string& text) override;

  TNotifyEvent OnChange;
  TDrawItemEvent OnDrawItem;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The system takes a drop-down box's window height as the room for the box and its open list.
  TRect WindowBounds() const override;
  void CreateWnd() override;
  // The list is about to open.
  virtual void DropDown() {}
  // Raises OnChange with the box as sender.
  virtual void Change();
  // Paints one item of an owner-drawn box on its canvas: OnDrawItem, or the text.
  virtual void DrawItem(std::int32_t index, const TRect& rect, TOwnerDrawState state);

 private:
  void ItemsChanged();
  void PushItems();
  void HandleNotification(std::uint32_t code);
  void PaintItem(const TDrawItemStruct& item);

  std::unique_ptr<TControlStrings> items_;
  std::unique_ptr<TCanvas> canvas_;
  std::int32_t itemIndex_ = -1;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  std::int32_t itemHeight_ = 16;
  bool sorted_ = false;
  std::int32_t dropDownCount_ = 8;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// Combo box messages and notifications.
constexpr std::uint32_t CB_GETCURSEL = 0x0147;
constexpr std::uint32_t CB_ADDSTRING = 0x0143;
constexpr std::uint32_t CB_RESETCONTENT = 0x014B;
constexpr std::uint32_t CB_SETCURSEL = 0x014E;
constexpr std::uint32_t CB_SETITEMHEIGHT = 0x0153;
constexpr std::uint32_t CBN_SELCHANGE = 1;
constexpr std::uint32_t CBN_EDITCHANGE = 5;
constexpr std::uint32_t CBN_DROPDOWN = 7;

}  // namespace qp
