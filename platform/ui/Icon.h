#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ui/Graphic.h"

namespace qp {

// An icon: empty, or the bytes of an icon file with a handle that the window system makes when
// the icon is first drawn or asked for it.
class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  bool Empty() const override { return file_ == nullptr; }
  // The size of the image that the handle shows (StandardIconImage); 0 when empty.
  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  // Takes every byte from the stream's position to its end as an icon file (ReadIconFile tells
  // which it accepts, files above kMaxIconFileSize are refused unread).
  void LoadFromStream(TStream& stream) override;
  // Writes the icon file in its standard layout (WriteIconFile); nothing when empty.
  void SaveToStream(TStream& stream) const override;
  // Copies another icon's image, empty or not; the copy keeps its own handle.
  void Assign(const TPersistent& source) override;

  bool HandleAllocated() const { return handle_ != 0; }
  // 0 when empty or when the window system cannot make the icon.
  TIconHandle Handle() const;

 protected:
  void PaintAt(TDeviceContext dc, TPoint at) const override;
  void PaintStretched(TDeviceContext dc, const TRect& target) const override;

 private:
  using TIconBytes = std::shared_ptr<const std::vector<std::uint8_t>>;
  void SetImage(TIconBytes file, std::int32_t width, std::int32_t height);

  TIconBytes file_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  mutable TIconHandle handle_ = 0;
};

}  // namespace qp
