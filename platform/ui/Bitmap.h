#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/Canvas.h"
#include "platform/ui/Graphic.h"

namespace qp {

// A picture in memory that its canvas draws into, made by the window system in the screen's
// format.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  void SetWidth(std::int32_t width) { SetSize(width, height_); }
  void SetHeight(std::int32_t height) { SetSize(width_, height); }
  // A new size starts a new, blank picture; negative sides count as 0.
  void SetSize(std::int32_t width, std::int32_t height);

  // Draws into the bitmap; it has no device context while the bitmap is empty.
  TCanvas* Canvas() const { return canvas_.get(); }
  // 0 while empty or when the window system has no room for the picture.
  TBitmapHandle Handle() const { return handle_; }

  // The program keeps no bitmaps in files: both raise EInvalidGraphic.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  // Copies another bitmap's size and picture.
  void Assign(const TPersistent& source) override;

 protected:
  void PaintAt(TDeviceContext dc, TPoint at) const override;
  void PaintStretched(TDeviceContext dc, const TRect& target) const override;

 private:
  // Answers whether the size changed.
  bool Resize(std::int32_t width, std::int32_t height);
  void ReleaseHandle();

  std::unique_ptr<TCanvas> canvas_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  TBitmapHandle handle_ = 0;
};

}  // namespace qp
