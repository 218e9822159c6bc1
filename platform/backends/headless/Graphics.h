#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {

enum class TDrawingKind {
  FillRect,
  DrawIcon,
  StretchIcon,
  DrawBitmap,
  StretchBitmap,
  Text,
  FocusRect
};

// One drawing operation as the tests' window system records it; fields that the kind does not
// use keep their defaults.
struct TDrawing {
  TDrawingKind Kind = TDrawingKind::FillRect;
  TDeviceContext DC = 0;
  // The filled or focus rectangle, the stretch target, or the text's clip rectangle.
  TRect Rect;
  // Where an icon, a bitmap or text went.
  TPoint At;
  // The icon or bitmap drawn.
  std::uintptr_t Source = 0;
  // The fill colour, or the colour of the text.
  TColor Color = clNone;
  TColor Background = clNone;
  bool Clipped = false;
  std::string Text;
  TFontData Font;
};

// Graphics of the tests: handles are numbers, nothing is drawn, every drawing operation is
// recorded with its device context. Text has fixed metrics so that tests can compute positions:
// with h = |font height|, a line is h + 2 pixels high and every character (h + 1) / 2 pixels wide,
// so the default font (height -11) measures "Hallo" as 30 by 13.
class THeadlessGraphics final : public TGraphicsDevice {
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

  const std::vector<TDrawing>& Drawings() const { return drawings_; }
  // What was drawn on one device context, a bitmap's for instance, in order.
  std::vector<TDrawing> DrawingsOn(TDeviceContext dc) const;
  void ClearDrawings() { drawings_.clear(); }
  // A device context of its own for a window's painting.
  TDeviceContext NewDeviceContext() { return NewHandle(); }

  // The icon file that a live icon handle was made from; nullptr for any other handle.
  const std::vector<std::uint8_t>* IconFile(TIconHandle icon) const;
  std::size_t LiveIcons() const { return icons_.size(); }
  // The size a live bitmap was made with; 0 by 0 for any other handle.
  TSize BitmapSize(TBitmapHandle bitmap) const;
  std::size_t LiveBitmaps() const { return bitmaps_.size(); }

 private:
  struct Bitmap {
    TSize Size;
    TDeviceContext DC = 0;
  };

  std::uintptr_t NewHandle() { return ++lastHandle_; }
  TDrawing& Record(TDrawingKind kind, TDeviceContext dc);

  std::map<TIconHandle, std::vector<std::uint8_t>> icons_;
  std::map<TBitmapHandle, Bitmap> bitmaps_;
  std::vector<TDrawing> drawings_;
  std::uintptr_t lastHandle_ = 0x1000;
};

THeadlessGraphics& HeadlessGraphics();

}  // namespace qp
