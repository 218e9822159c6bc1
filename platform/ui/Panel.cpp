#include "platform/ui/Panel.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/ui/Font.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {
namespace {

// Light on the top and left edges and dark on the others for a raised bevel, the other way
// round for a lowered one; rect shrinks by the bevel's width.
void DrawBevel(TDeviceContext dc, TRect& rect, TPanelBevel bevel, std::int32_t width) {
  if (bevel == bvNone) return;
  const TColor topLeft = bevel == bvRaised ? clBtnHighlight : clBtnShadow;
  const TColor bottomRight = bevel == bvRaised ? clBtnShadow : clBtnHighlight;
  TGraphicsDevice& device = GraphicsDevice();
  for (std::int32_t line = 0; line < width; ++line) {
    device.FillRectangle(dc, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, topLeft);
    device.FillRectangle(dc, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, topLeft);
    device.FillRectangle(dc, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
    device.FillRectangle(dc, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
    rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
  }
}

}  // namespace

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

void TPanel::PaintWindow(TDeviceContext dc) {
  TRect rect{0, 0, Width(), Height()};
  GraphicsDevice().FillRectangle(dc, rect, Color());
  DrawBevel(dc, rect, bevelOuter_, bevelWidth_);
  DrawBevel(dc, rect, bevelInner_, bevelWidth_);
  if (!Caption().empty()) {
    const TSize size = GraphicsDevice().MeasureText(dc, *Font(), Caption());
    const TPoint at{(Width() - size.cx) / 2, (Height() - size.cy) / 2};
    GraphicsDevice().WriteText(dc, at, rect, *Font(), clNone, Caption());
  }
  TWinControl::PaintWindow(dc);
}

}  // namespace qp
