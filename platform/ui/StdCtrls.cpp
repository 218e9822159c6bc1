#include "platform/ui/StdCtrls.h"

#include "platform/core/Describe.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageParams.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

constexpr std::uint32_t CBS_SIMPLE = 0x0001;
constexpr std::uint32_t CBS_DROPDOWN = 0x0002;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;
constexpr std::uint32_t CBS_OWNERDRAWFIXED = 0x0010;
constexpr std::uint32_t CBS_OWNERDRAWVARIABLE = 0x0020;
constexpr std::uint32_t CBS_AUTOHSCROLL = 0x0040;
constexpr std::uint32_t CBS_SORT = 0x0100;
constexpr std::uint32_t CBS_HASSTRINGS = 0x0200;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;

bool IsListStyle(TComboBoxStyle style) {
  return style != TComboBoxStyle::csDropDown && style != TComboBoxStyle::csSimple;
}

}  // namespace

const TTypeInfo& TypeInfoFor(TComboBoxStyle*) {
  static const TTypeInfo type = MakeEnumType(
      "TComboBoxStyle",
      {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return type;
}

const TClass& TCustomComboBox::ClassInfo() {
  static const TClass info{
      Describe<TCustomComboBox, TWinControl>("TCustomComboBox")
          .Property("DropDownCount", &TCustomComboBox::DropDownCount,
                    &TCustomComboBox::SetDropDownCount)
          .Default(8)
          .Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
          .Property("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems)
          .Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted)
          .Default(0)
          .Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
          .Default(0)
          .Property("TabStop", &TCustomComboBox::TabStop, &TCustomComboBox::SetTabStop)
          .Default(1)
          .Property("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
          .Property("OnChange", &TCustomComboBox::OnChange)
          .Property("OnDrawItem", &TCustomComboBox::OnDrawItem)};
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TControlStrings>([this] { ItemsChanged(); })),
      canvas_(std::make_unique<TCanvas>()) {
  SetBounds(0, 0, 145, 24);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetItems(TStrings* items) {
  if (items != nullptr && items != items_.get()) items_->Assign(*items);
}

void TCustomComboBox::SetItemIndex(std::int32_t index) {
  if (index < -1 || index >= items_->Count()) index = -1;
  itemIndex_ = index;
  if (IsListStyle(style_)) text_ = index >= 0 ? items_->Strings(index) : std::string();
  if (HandleAllocated())
    Windowing().SendTo(Handle(), CB_SETCURSEL, static_cast<std::uintptr_t>(index), 0);
}

void TCustomComboBox::SetText(const std::string& text) {
  if (!IsListStyle(style_)) {
    TWinControl::SetText(text);
    return;
  }
  const int index = items_->IndexOf(text);
  if (index >= 0) SetItemIndex(index);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

void TCustomComboBox::SetItemHeight(std::int32_t height) {
  if (height <= 0 || height == itemHeight_) return;
  itemHeight_ = height;
  if (HandleAllocated()) {
    Windowing().SendTo(Handle(), CB_SETITEMHEIGHT, 0, height);
  }
}

void TCustomComboBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  items_->SetSorted(sorted);
  RecreateWnd();
}

void TCustomComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      HandleNotification(NotificationCode(message));
      return;
    case CN_DRAWITEM:
      PaintItem(*reinterpret_cast<const TDrawItemStruct*>(message.LParam));
      return;
    case CN_MEASUREITEM:
      reinterpret_cast<TMeasureItemStruct*>(message.LParam)->itemHeight =
          static_cast<std::uint32_t>(itemHeight_);
      return;
    default:
      TWinControl::WndProc(message);
  }
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = "COMBOBOX";
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
  switch (style_) {
    case TComboBoxStyle::csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      params.Style |= CBS_SIMPLE;
      break;
    case TComboBoxStyle::csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
    case TComboBoxStyle::csOwnerDrawFixed:
      params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
      break;
    case TComboBoxStyle::csOwnerDrawVariable:
      params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE;
      break;
  }
  if (sorted_) params.Style |= CBS_SORT;
}

TRect TCustomComboBox::WindowBounds() const {
  TRect bounds = TWinControl::WindowBounds();
  // The list's frame takes a pixel above and below its items.
  if (style_ != TComboBoxStyle::csSimple) bounds.Bottom += itemHeight_ * dropDownCount_ + 2;
  return bounds;
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  PushItems();
}

void TCustomComboBox::Change() {
  OnChange(this);
}

void TCustomComboBox::DrawItem(std::int32_t index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  canvas_->FillRect(rect);
  canvas_->TextOutAt(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomComboBox::ItemsChanged() {
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  PushItems();
}

void TCustomComboBox::PushItems() {
  if (!HandleAllocated()) return;
  const TWindowHandle window = Handle();
  Windowing().SendTo(window, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_->Count(); ++i) {
    const std::string line = items_->Strings(i);
    Windowing().SendTo(window, CB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>(line.c_str()));
  }
  Windowing().SendTo(window, CB_SETCURSEL, static_cast<std::uintptr_t>(itemIndex_), 0);
}

void TCustomComboBox::HandleNotification(std::uint32_t code) {
  switch (code) {
    case CBN_SELCHANGE: {
      const auto selected =
          static_cast<std::int32_t>(Windowing().SendTo(Handle(), CB_GETCURSEL, 0, 0));
      itemIndex_ = selected >= 0 && selected < items_->Count() ? selected : -1;
      if (itemIndex_ >= 0) text_ = items_->Strings(itemIndex_);
      Click();
      Change();
      break;
    }
    case CBN_EDITCHANGE:
      Change();
      break;
    case CBN_DROPDOWN:
      DropDown();
      break;
    default:
      break;
  }
}

void TCustomComboBox::PaintItem(const TDrawItemStruct& item) {
  TOwnerDrawState state = TOwnerDrawState::FromMask(item.itemState & 0x1F);
  const TRect rect{item.rcItem[0], item.rcItem[1], item.rcItem[2], item.rcItem[3]};
  const auto index = static_cast<std::int32_t>(item.itemID);
  canvas_->SetHandle(item.hDC);
  canvas_->SetFont(Font());
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->Brush()->SetColor(Color());
  if (index >= 0 && state.Contains(odSelected)) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  }
  if (index >= 0 && index < items_->Count()) {
    DrawItem(index, rect, state);
  } else {
    canvas_->FillRect(rect);
  }
  if (state.Contains(odFocused)) canvas_->DrawFocusRect(rect);
  canvas_->SetHandle(0);
}

const TClass& TComboBox::ClassInfo() {
  static const TClass info{Describe<TComboBox, TCustomComboBox>("TComboBox")};
  return info;
}

}  // namespace qp
