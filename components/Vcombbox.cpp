#include "components/Vcombbox.h"

#include <cmath>

#include "platform/core/Describe.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"

namespace qp {
namespace {

// No item the box shows has a higher index; refusing one keeps a wrong index from growing the
// icon list without limit.
constexpr std::int32_t kMaxItems = 32767;
// Icons are painted on a square bitmap of their natural size.
constexpr std::int32_t kIconSide = 32;

// Half of value, rounded to the nearest integer with halves going to the even neighbour.
std::int32_t RoundedHalf(std::int32_t value) {
  return static_cast<std::int32_t>(std::nearbyint(value / 2.0));
}

}  // namespace

const TTypeInfo& TypeInfoFor(TOwnAlign*) {
  static const TTypeInfo type = MakeEnumType("TOwnAlign", {"alLeft", "alRight", "alCenter"});
  return type;
}

const TClass& TVComboBox::ClassInfo() {
  static const TClass info{
      Describe<TVComboBox, TCustomComboBox>("TVComboBox")
          .Property("AlignIcon", &TVComboBox::AlignIcon, &TVComboBox::SetAlignIcon)
          .Property("AlignText", &TVComboBox::AlignText, &TVComboBox::SetAlignText)
          .Property("Color", &TControl::Color, &TControl::SetColor)
          .Default(clWindow)
          .Property("IconMargin", &TVComboBox::IconMargin, &TVComboBox::SetIconMargin)
          .Property("OnDrawingItem", &TVComboBox::OnDrawingItem)
          .Property("OnLoaded", &TVComboBox::OnLoaded)
          .Property("ShowIcons", &TVComboBox::ShowIcons, &TVComboBox::SetShowIcons)
          // The box fixes its style: a description can neither store nor change it.
          .ReadOnlyProperty("Style", &TCustomComboBox::Style)
          .Property("ResizeIcon", &TVComboBox::ResizeIcon, &TVComboBox::SetResizeIcon)
          .Property("TextMargin", &TVComboBox::TextMargin, &TVComboBox::SetTextMargin)
          .Property("Visible", &TControl::Visible, &TControl::SetVisible)
          .Default(0)
          .Method("DrawListItem", &TVComboBox::DrawListItem)};
  return info;
}

TVComboBox::TVComboBox(TComponent* owner) : TCustomComboBox(owner) {
  SetTextMargin(5);
  SetIconMargin(1);
  SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  SetVisible(false);
  OnDrawItem = TDrawItemEvent(this, &TVComboBox::DrawListItem);
}

TVComboBox::~TVComboBox() = default;

void TVComboBox::SetShowIcons(bool showIcons) {
  if (showIcons == showIcons_) return;
  if (showIcons) SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  showIcons_ = showIcons;
  Invalidate();
}

void TVComboBox::SetTextMargin(std::int32_t margin) {
  if (margin == textMargin_) return;
  textMargin_ = margin;
  Invalidate();
}

void TVComboBox::SetIconMargin(std::int32_t margin) {
  if (margin == iconMargin_) return;
  iconMargin_ = margin;
  Invalidate();
}

void TVComboBox::SetAlignIcon(TOwnAlign align) {
  if (align == alignIcon_) return;
  alignIcon_ = align;
  Invalidate();
}

void TVComboBox::SetAlignText(TOwnAlign align) {
  if (align == alignText_) return;
  alignText_ = align;
  Invalidate();
}

void TVComboBox::SetResizeIcon(bool resizeIcon) {
  if (resizeIcon == resizeIcon_) return;
  resizeIcon_ = resizeIcon;
  Invalidate();
}

void TVComboBox::SetHeight(std::int32_t height) {
  if (!IsDesigning() || height == Height()) return;
  SetStyle(TComboBoxStyle::csDropDown);
  SetItemHeight(height - 6);
  SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  SetSorted(!Sorted());
  SetSorted(!Sorted());
  RefreshItems(false);
}

bool TVComboBox::SetItemIcon(std::int32_t index, TIcon* icon) {
  if (icon == nullptr || index < 0 || index >= kMaxItems) return false;
  const auto position = static_cast<std::size_t>(index);
  if (FIcons.size() <= position) FIcons.resize(position + 1);
  if (!FIcons[position]) FIcons[position] = std::make_unique<TIcon>();
  FIcons[position]->Assign(*icon);
  return true;
}

TIcon* TVComboBox::ItemIcon(std::int32_t index) const {
  if (index < 0 || index >= ItemIconCount()) return nullptr;
  return FIcons[static_cast<std::size_t>(index)].get();
}

void TVComboBox::RefreshItems(bool /*translate*/) {}

void TVComboBox::Loaded() {
  // The loading mark ends here, so that what a descendant defers while loading is done at once
  // when it is asked for after the form has been read.
  TCustomComboBox::Loaded();
  OnLoaded(this);
}

void TVComboBox::WndProc(TMessage& message) {
  TCustomComboBox::WndProc(message);
  // The new client height is the high word of lParam.
  if (message.Msg == WM_SIZE) SetHeight(static_cast<std::int32_t>((message.LParam >> 16) & 0xFFFF));
}

void TVComboBox::CreateParams(TCreateParams& params) {
  TCustomComboBox::CreateParams(params);
  // The box's own two bits on top of the owner-drawn list's: the low bits read 0x17.
  params.Style |= 0x2 | 0x4;
}

void TVComboBox::DropDown() {
  if (Font()->Height() == Height()) return;
  FSavedFontHeight = Font()->Height();
  Font()->SetHeight(Height());
}

void TVComboBox::DrawListItem(TWinControl* /*control*/, std::int32_t index, TRect rect,
                              TOwnerDrawState /*state*/) {
  OnDrawingItem(this, index);
  TCanvas& canvas = *Canvas();
  canvas.FillRect(rect);
  const TRect n{rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom};
  if (FSavedFontHeight != 0) canvas.Font()->SetHeight(FSavedFontHeight);
  const std::optional<TRect> icon = DrawItemIcon(index, n);
  const std::string text = Items()->Strings(index);
  const std::int32_t y = n.Top + RoundedHalf(n.Height()) - RoundedHalf(canvas.TextHeight(text)) - 1;
  canvas.TextRectClipped(n, TextLeft(text, n, icon), y, text);
}

std::optional<TRect> TVComboBox::DrawItemIcon(std::int32_t index, const TRect& n) {
  const TIcon* icon = ItemIcon(index);
  if (icon == nullptr || !showIcons_ || icon->Handle() == 0) return std::nullopt;
  TBitmap square;
  square.SetSize(kIconSide, kIconSide);
  if (square.Handle() == 0) return std::nullopt;
  square.Canvas()->Brush()->SetColor(Color());
  square.Canvas()->FillRect({0, 0, kIconSide, kIconSide});
  square.Canvas()->Draw(0, 0, *icon);

  TRect at = n;
  if (!resizeIcon_) {
    at.Top -= 2;
    at.Bottom += 2;
  }
  const std::int32_t h = at.Height();
  switch (alignIcon_) {
    case TOwnAlign::alLeft:
      at.Left = n.Left + iconMargin_;
      at.Right = at.Left + (resizeIcon_ ? h : kIconSide);
      break;
    case TOwnAlign::alRight:
      at.Right = n.Right - iconMargin_;
      at.Left = resizeIcon_ ? n.Right - h : at.Right - kIconSide;
      break;
    case TOwnAlign::alCenter:
      // Centred on the item's width measured from 0, not from the text area's left edge.
      at.Left = RoundedHalf(n.Width()) - RoundedHalf(h);
      at.Right = at.Left + h;
      break;
  }
  if (resizeIcon_) {
    Canvas()->StretchDraw(at, square);
  } else {
    // Centred on the item's middle: the bitmap's half plus one above it.
    at.Top += RoundedHalf(h) - (kIconSide / 2 + 1);
    Canvas()->Draw(at.Left, at.Top, square);
  }
  return at;
}

std::int32_t TVComboBox::TextLeft(const std::string& text, const TRect& n,
                                  const std::optional<TRect>& icon) const {
  switch (alignText_) {
    case TOwnAlign::alLeft:
      if (icon && alignIcon_ == TOwnAlign::alLeft) {
        return resizeIcon_ ? n.Left + icon->Height() + textMargin_ : icon->Right + textMargin_;
      }
      return n.Left + textMargin_;
    case TOwnAlign::alRight: {
      const std::int32_t width = Canvas()->TextWidth(text);
      if (icon && alignIcon_ == TOwnAlign::alRight) return icon->Left - width - textMargin_;
      return n.Right - width - textMargin_;
    }
    case TOwnAlign::alCenter:
      return RoundedHalf(n.Width()) - RoundedHalf(Canvas()->TextWidth(text));
  }
  return n.Left + textMargin_;
}

}  // namespace qp
