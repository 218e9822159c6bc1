#pragma once

#include <cstdint>

#include "platform/ui/Controls.h"

namespace qp {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
using enum TPanelBevel;
const TTypeInfo& TypeInfoFor(TPanelBevel*);

// A plain area that holds other controls, framed by an outer and an inner bevel.
class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  // The width of each bevel in pixels; values below 1 are taken as 1.
  std::int32_t BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(std::int32_t width);

 protected:
  // The colour, the outer bevel, the inner bevel inside it, the caption in the middle, then
  // the windowless controls.
  void PaintWindow(TDeviceContext dc) override;

 private:
  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  std::int32_t bevelWidth_ = 1;
};

}  // namespace qp
