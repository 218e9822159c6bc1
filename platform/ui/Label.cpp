#include "platform/ui/Label.h"

#include "platform/core/Describe.h"
#include "platform/ui/Canvas.h"

namespace qp {

const TTypeInfo& TypeInfoFor(TAlignment*) {
  static const TTypeInfo type =
      MakeEnumType("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return type;
}

const TClass& TLabel::ClassInfo() {
  static const TClass info{Describe<TLabel, TGraphicControl>("TLabel")
                               .Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment)
                               .Default(0)
                               .Property("Caption", &TLabel::Text, &TLabel::SetText)};
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 13);
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TLabel::Paint() {
  const TRect bounds = BoundsRect();
  Canvas()->FillRect(bounds);
  const std::int32_t spare = bounds.Width() - Canvas()->TextWidth(Caption());
  std::int32_t x = bounds.Left;
  if (alignment_ == taRightJustify) x += spare;
  if (alignment_ == taCenter) x += spare / 2;
  Canvas()->TextRectClipped(bounds, x, bounds.Top, Caption());
}

}  // namespace qp
