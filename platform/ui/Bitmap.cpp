#include "platform/ui/Bitmap.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {
namespace {

[[noreturn]] void ThrowNotStored() {
  throw EInvalidGraphic("Bitmaps werden nicht in Dateien gespeichert");
}

}  // namespace

const TClass& TBitmap::ClassInfo() {
  static const TClass info{Describe<TBitmap, TGraphic>("TBitmap")};
  return info;
}

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>()) {}

TBitmap::~TBitmap() {
  ReleaseHandle();
}

void TBitmap::SetSize(std::int32_t width, std::int32_t height) {
  if (Resize(width, height)) Changed();
}

bool TBitmap::Resize(std::int32_t width, std::int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return false;
  ReleaseHandle();
  width_ = width;
  height_ = height;
  if (!Empty()) {
    handle_ = GraphicsDevice().CreateBitmapHandle(width_, height_);
    if (handle_ != 0) canvas_->SetHandle(GraphicsDevice().BitmapDeviceContext(handle_));
  }
  return true;
}

void TBitmap::ReleaseHandle() {
  canvas_->SetHandle(0);
  if (handle_ == 0) return;
  GraphicsDevice().DestroyBitmapHandle(handle_);
  handle_ = 0;
}

void TBitmap::LoadFromStream(TStream&) {
  ThrowNotStored();
}

void TBitmap::SaveToStream(TStream&) const {
  ThrowNotStored();
}

void TBitmap::Assign(const TPersistent& source) {
  const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
  if (bitmap == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (bitmap == this) return;
  Resize(bitmap->width_, bitmap->height_);
  if (handle_ != 0 && bitmap->handle_ != 0) {
    GraphicsDevice().DrawBitmapAt(canvas_->Handle(), {0, 0}, bitmap->handle_);
  }
  Changed();
}

void TBitmap::PaintAt(TDeviceContext dc, TPoint at) const {
  if (handle_ != 0) GraphicsDevice().DrawBitmapAt(dc, at, handle_);
}

void TBitmap::PaintStretched(TDeviceContext dc, const TRect& target) const {
  if (handle_ != 0) GraphicsDevice().StretchBitmap(dc, target, handle_);
}

}  // namespace qp
