#include "platform/ui/GraphicControl.h"

#include "platform/core/Describe.h"
#include "platform/ui/Canvas.h"

namespace qp {

const TClass& TGraphicControl::ClassInfo() {
  static const TClass info{Describe<TGraphicControl, TControl>("TGraphicControl")};
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintTo(TDeviceContext dc) {
  if (!Visible()) return;
  canvas_->SetFont(Font());
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->Brush()->SetColor(Color());
  canvas_->SetHandle(dc);
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(0);
    throw;
  }
  canvas_->SetHandle(0);
}

}  // namespace qp
