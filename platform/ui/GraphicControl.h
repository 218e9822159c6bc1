#pragma once

#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Types.h"

namespace qp {

class TCanvas;

// A control without a window of its own: it draws itself on its parent's window whenever the
// parent paints, in the parent's coordinates.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Bound to a device context only while the control paints.
  TCanvas* Canvas() const { return canvas_.get(); }

  // Draws the control into dc, its parent's device context, with the control's font and its
  // colour as the brush. A hidden control draws nothing.
  void PaintTo(TDeviceContext dc);

 protected:
  // Draws on Canvas() within BoundsRect().
  virtual void Paint() = 0;
  void TextChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }
  void BoundsChanged() override { Invalidate(); }

 private:
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace qp
