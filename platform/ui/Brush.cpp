#include "platform/ui/Brush.h"

#include "platform/core/Describe.h"

namespace qp {

const TTypeInfo& TypeInfoFor(TBrushStyle*) {
  static const TTypeInfo type = MakeEnumType("TBrushStyle", {"bsSolid", "bsClear"});
  return type;
}

const TClass& TBrush::ClassInfo() {
  static const TClass info{Describe<TBrush, TPersistent>("TBrush")
                               .Property("Color", &TBrush::Color, &TBrush::SetColor)
                               .Property("Style", &TBrush::Style, &TBrush::SetStyle)
                               .Default(static_cast<std::int32_t>(bsSolid))};
  return info;
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (brush == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  color_ = brush->color_;
  style_ = brush->style_;
}

}  // namespace qp
