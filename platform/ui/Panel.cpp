#include "platform/ui/Panel.h"

#include <algorithm>

#include "platform/core/Describe.h"

namespace qp {

const TTypeInfo& TypeInfoFor(TPanelBevel*) {
  static const TTypeInfo type = MakeEnumType("TPanelBevel", {"bvNone", "bvLowered", "bvRaised"});
  return type;
}

const TClass& TPanel::ClassInfo() {
  static const TClass info{Describe<TPanel, TWinControl>("TPanel")
                               .Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner)
                               .Default(static_cast<std::int32_t>(bvNone))
                               .Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter)
                               .Default(static_cast<std::int32_t>(bvRaised))
                               .Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
                               .Default(1)
                               .Property("Caption", &TPanel::Text, &TPanel::SetText)};
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  if (bevel == bevelInner_) return;
  bevelInner_ = bevel;
  Invalidate();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::SetBevelWidth(std::int32_t width) {
  width = std::max(width, 1);
  if (width == bevelWidth_) return;
  bevelWidth_ = width;
  Invalidate();
}

}  // namespace qp
