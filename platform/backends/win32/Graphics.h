#pragma once

#include <cstdint>
#include <map>

#include "platform/ui/ws/Graphics.h"

namespace qp {

// GDI: icons from the images of icon files, screen-compatible bitmaps selected into memory device
// contexts of their own, fonts made for each text operation.
class TWin32Graphics final : public TGraphicsDevice {
 public:
  TIconHandle CreateIconHandle(const std::vector<std::uint8_t>& iconFile) override;
  void DestroyIconHandle(TIconHandle icon) override;
  TBitmapHandle CreateBitmapHandle(std::int32_t width, std::int32_t height) override;
  void DestroyBitmapHandle(TBitmapHandle bitmap) override;
  TDeviceContext BitmapDeviceContext(TBitmapHandle bitmap) override;

  void FillRectangle(TDeviceContext dc, const TRect& rect, TColor color) override;
  void DrawIconAt(TDeviceContext dc, TPoint at, TIconHandle icon) override;
  void StretchIcon(TDeviceContext dc, const TRect& target, TIconHandle icon) override;
  void DrawBitmapAt(TDeviceContext dc, TPoint at, TBitmapHandle bitmap) override;
  void StretchBitmap(TDeviceContext dc, const TRect& target, TBitmapHandle bitmap) override;
  TSize MeasureText(TDeviceContext dc, const TFont& font, const std::string& text) override;
  void WriteText(TDeviceContext dc, TPoint at, const std::optional<TRect>& clip, const TFont& font,
                 TColor background, const std::string& text) override;
  void DrawFocusRectangle(TDeviceContext dc, const TRect& rect) override;

 private:
  struct BitmapContext {
    TDeviceContext DC = 0;
    // What the context held before the bitmap, put back before the context is deleted.
    std::uintptr_t Previous = 0;
  };
  // Copies the bitmap's whole picture to at, stretched to size when it has one.
  void Blit(TDeviceContext dc, TPoint at, std::optional<TSize> size, TBitmapHandle bitmap);

  std::map<TBitmapHandle, BitmapContext> bitmaps_;
};

}  // namespace qp
