#include "platform/ui/Icon.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Stream.h"
#include "platform/ui/IconFile.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {

const TClass& TIcon::ClassInfo() {
  static const TClass info{Describe<TIcon, TGraphic>("TIcon")};
  return info;
}

TIcon::~TIcon() {
  if (handle_ != 0) GraphicsDevice().DestroyIconHandle(handle_);
}

void TIcon::LoadFromStream(TStream& stream) {
  const std::int64_t remaining = stream.GetSize() - stream.GetPosition();
  if (remaining > kMaxIconFileSize) ThrowInvalidIcon();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(std::max<std::int64_t>(remaining, 0)));
  stream.ReadBuffer(data.data(), data.size());
  const std::vector<TIconImage> images = ReadIconFile(data);
  const TIconImage& shown = StandardIconImage(images);
  SetImage(std::make_shared<const std::vector<std::uint8_t>>(WriteIconFile(images)),
           shown.PixelWidth(), shown.PixelHeight());
}

void TIcon::SaveToStream(TStream& stream) const {
  if (file_ != nullptr) stream.WriteBuffer(file_->data(), file_->size());
}

void TIcon::Assign(const TPersistent& source) {
  const auto* icon = dynamic_cast<const TIcon*>(&source);
  if (icon == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (icon != this) SetImage(icon->file_, icon->width_, icon->height_);
}

TIconHandle TIcon::Handle() const {
  if (handle_ == 0 && file_ != nullptr) handle_ = GraphicsDevice().CreateIconHandle(*file_);
  return handle_;
}

void TIcon::SetImage(TIconBytes file, std::int32_t width, std::int32_t height) {
  if (handle_ != 0) {
    GraphicsDevice().DestroyIconHandle(handle_);
    handle_ = 0;
  }
  file_ = std::move(file);
  width_ = width;
  height_ = height;
  Changed();
}

void TIcon::PaintAt(TDeviceContext dc, TPoint at) const {
  if (const TIconHandle icon = Handle()) GraphicsDevice().DrawIconAt(dc, at, icon);
}

void TIcon::PaintStretched(TDeviceContext dc, const TRect& target) const {
  if (const TIconHandle icon = Handle()) GraphicsDevice().StretchIcon(dc, target, icon);
}

}  // namespace qp
