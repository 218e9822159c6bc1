#include "platform/ui/Image.h"

#include "platform/core/Describe.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"

namespace qp {

const TClass& TImage::ClassInfo() {
  static const TClass info{Describe<TImage, TGraphicControl>("TImage")
                               .Property("Center", &TImage::Center, &TImage::SetCenter)
                               .Default(0)
                               .Property("Picture", &TImage::Picture, &TImage::SetPicture)
                               .Property("Stretch", &TImage::Stretch, &TImage::SetStretch)
                               .Default(0)};
  return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TIcon>()) {
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPicture(TIcon* picture) {
  if (picture == nullptr || picture == picture_.get()) return;
  picture_->Assign(*picture);
  Invalidate();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::Paint() {
  const TRect bounds = BoundsRect();
  if (stretch_) {
    Canvas()->StretchDraw(bounds, *picture_);
  } else if (center_) {
    Canvas()->Draw(bounds.Left + (bounds.Width() - picture_->Width()) / 2,
                   bounds.Top + (bounds.Height() - picture_->Height()) / 2, *picture_);
  } else {
    Canvas()->Draw(bounds.Left, bounds.Top, *picture_);
  }
}

}  // namespace qp
