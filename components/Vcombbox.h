#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Event.h"
#include "platform/ui/Events.h"
#include "platform/ui/StdCtrls.h"

namespace qp {

class TIcon;

// Where an item's icon or text goes.
enum class TOwnAlign : std::uint8_t { alLeft, alRight, alCenter };
const TTypeInfo& TypeInfoFor(TOwnAlign*);

using TDrawingItemEvent = TEvent<"TDrawingItemEvent", TObject*, std::int32_t>;
using TLoadedEvent = TEvent<"TLoadedEvent", TObject*>;

// A drop-down list that paints its items itself, each with an optional icon beside its text. It
// is created hidden. The icons are copies the box owns, kept by item position: inserting,
// deleting or sorting items does not move them.
class TVComboBox : public TCustomComboBox {
 public:
  explicit TVComboBox(TComponent* owner);
  ~TVComboBox() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  bool ShowIcons() const { return showIcons_; }
  void SetShowIcons(bool showIcons);
  // Gap between the text and the item's edge or its icon.
  std::int32_t TextMargin() const { return textMargin_; }
  void SetTextMargin(std::int32_t margin);
  // Gap between the icon and the item's edge.
  std::int32_t IconMargin() const { return iconMargin_; }
  void SetIconMargin(std::int32_t margin);
  TOwnAlign AlignIcon() const { return alignIcon_; }
  void SetAlignIcon(TOwnAlign align);
  TOwnAlign AlignText() const { return alignText_; }
  void SetAlignText(TOwnAlign align);
  // Shrinks (or stretches) the icon to the item's height instead of drawing it at 32 by 32.
  bool ResizeIcon() const { return resizeIcon_; }
  void SetResizeIcon(bool resizeIcon);

  // Only while designed: rebuilds the item height from the new height. At run time the height
  // follows the item height and writing it does nothing.
  void SetHeight(std::int32_t height) override;

  // Keeps a copy of icon's image for item index; the caller keeps icon. False for a nil icon (an
  // icon stored before stays) or an index that can name no item.
  bool SetItemIcon(std::int32_t index, TIcon* icon);
  // The box's copy for item index; nullptr when it has none.
  TIcon* ItemIcon(std::int32_t index) const;
  // The number of icon entries; SetItemIcon adds empty ones up to the index it is given.
  std::int32_t ItemIconCount() const { return static_cast<std::int32_t>(FIcons.size()); }

  // The font height remembered when the list first opened with another font height; 0 = none.
  std::int32_t SavedFontHeight() const { return FSavedFontHeight; }

  // The painter that the box binds to its own OnDrawItem: icon and text of item index.
  void DrawListItem(TWinControl* control, std::int32_t index, TRect rect, TOwnerDrawState state);

  // Rebuilds the items; nothing here, descendants that fill the list do it.
  virtual void RefreshItems(bool translate);

  // Raised with the item's index before each item is painted.
  TDrawingItemEvent OnDrawingItem;
  // Raised when the box has been read from a form description.
  TLoadedEvent OnLoaded;

  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void DropDown() override;

 private:
  // Draws the item's icon into text area n and answers where it went; nothing when the item
  // shows none.
  std::optional<TRect> DrawItemIcon(std::int32_t index, const TRect& n);
  std::int32_t TextLeft(const std::string& text, const TRect& n,
                        const std::optional<TRect>& icon) const;

  bool showIcons_ = false;
  std::int32_t textMargin_ = 0;
  std::int32_t iconMargin_ = 0;
  TOwnAlign alignIcon_ = TOwnAlign::alLeft;
  TOwnAlign alignText_ = TOwnAlign::alLeft;
  bool resizeIcon_ = false;
  std::int32_t FSavedFontHeight = 0;
  std::vector<std::unique_ptr<TIcon>> FIcons;
};

}  // namespace qp
