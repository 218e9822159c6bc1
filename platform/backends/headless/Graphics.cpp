#include "platform/backends/headless/Graphics.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace qp {
namespace {

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TIconHandle THeadlessGraphics::CreateIconHandle(const std::vector<std::uint8_t>& iconFile) {
  const TIconHandle icon = NewHandle();
  icons_[icon] = iconFile;
  return icon;
}

void THeadlessGraphics::DestroyIconHandle(TIconHandle icon) {
  icons_.erase(icon);
}

TBitmapHandle THeadlessGraphics::CreateBitmapHandle(std::int32_t width, std::int32_t height) {
  const TBitmapHandle bitmap = NewHandle();
  bitmaps_[bitmap] = {{width, height}, NewHandle()};
  return bitmap;
}

void THeadlessGraphics::DestroyBitmapHandle(TBitmapHandle bitmap) {
  bitmaps_.erase(bitmap);
}

TDeviceContext THeadlessGraphics::BitmapDeviceContext(TBitmapHandle bitmap) {
  const auto found = bitmaps_.find(bitmap);
  return found == bitmaps_.end() ? 0 : found->second.DC;
}

TDrawing& THeadlessGraphics::Record(TDrawingKind kind, TDeviceContext dc) {
  TDrawing& drawing = drawings_.emplace_back();
  drawing.Kind = kind;
  drawing.DC = dc;
  return drawing;
}

void THeadlessGraphics::FillRectangle(TDeviceContext dc, const TRect& rect, TColor color) {
  TDrawing& drawing = Record(TDrawingKind::FillRect, dc);
  drawing.Rect = rect;
  drawing.Color = color;
}

void THeadlessGraphics::DrawIconAt(TDeviceContext dc, TPoint at, TIconHandle icon) {
  TDrawing& drawing = Record(TDrawingKind::DrawIcon, dc);
  drawing.At = at;
  drawing.Source = icon;
}

void THeadlessGraphics::StretchIcon(TDeviceContext dc, const TRect& target, TIconHandle icon) {
  TDrawing& drawing = Record(TDrawingKind::StretchIcon, dc);
  drawing.Rect = target;
  drawing.Source = icon;
}

void THeadlessGraphics::DrawBitmapAt(TDeviceContext dc, TPoint at, TBitmapHandle bitmap) {
  TDrawing& drawing = Record(TDrawingKind::DrawBitmap, dc);
  drawing.At = at;
  drawing.Source = bitmap;
}

void THeadlessGraphics::StretchBitmap(TDeviceContext dc, const TRect& target,
                                      TBitmapHandle bitmap) {
  TDrawing& drawing = Record(TDrawingKind::StretchBitmap, dc);
  drawing.Rect = target;
  drawing.Source = bitmap;
}

TSize THeadlessGraphics::MeasureText(TDeviceContext, const TFont& font, const std::string& text) {
  const std::int64_t height = std::llabs(font.Height());
  return {Clamped(static_cast<std::int64_t>(text.size()) * ((height + 1) / 2)),
          Clamped(height + 2)};
}

void THeadlessGraphics::WriteText(TDeviceContext dc, TPoint at, const std::optional<TRect>& clip,
                                  const TFont& font, TColor background, const std::string& text) {
  TDrawing& drawing = Record(TDrawingKind::Text, dc);
  drawing.At = at;
  drawing.Rect = clip.value_or(TRect{});
  drawing.Clipped = clip.has_value();
  drawing.Color = font.Color();
  drawing.Background = background;
  drawing.Text = text;
  drawing.Font = font.Data();
}

void THeadlessGraphics::DrawFocusRectangle(TDeviceContext dc, const TRect& rect) {
  Record(TDrawingKind::FocusRect, dc).Rect = rect;
}

std::vector<TDrawing> THeadlessGraphics::DrawingsOn(TDeviceContext dc) const {
  std::vector<TDrawing> found;
  std::copy_if(drawings_.begin(), drawings_.end(), std::back_inserter(found),
               [dc](const TDrawing& drawing) { return drawing.DC == dc; });
  return found;
}

const std::vector<std::uint8_t>* THeadlessGraphics::IconFile(TIconHandle icon) const {
  const auto found = icons_.find(icon);
  return found == icons_.end() ? nullptr : &found->second;
}

TSize THeadlessGraphics::BitmapSize(TBitmapHandle bitmap) const {
  const auto found = bitmaps_.find(bitmap);
  return found == bitmaps_.end() ? TSize{} : found->second.Size;
}

THeadlessGraphics& HeadlessGraphics() {
  static THeadlessGraphics graphics;
  return graphics;
}

TGraphicsDevice& GraphicsDevice() {
  return HeadlessGraphics();
}

}  // namespace qp
