#pragma once

#include <memory>

#include "platform/ui/GraphicControl.h"

namespace qp {

class TIcon;

// An icon on its parent's window. Form descriptions carry the icon as Picture.Data.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // The image's own icon; it is never nullptr.
  TIcon* Picture() const { return picture_.get(); }
  // Copies picture into the image's own icon; nullptr changes nothing.
  void SetPicture(TIcon* picture);
  // Draws the icon in the middle of the bounds instead of at their top left corner.
  bool Center() const { return center_; }
  void SetCenter(bool center);
  // Draws the icon stretched to the bounds; takes precedence over Center.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TIcon> picture_;
  bool center_ = false;
  bool stretch_ = false;
};

}  // namespace qp
