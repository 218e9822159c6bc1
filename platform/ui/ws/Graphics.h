#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Colors.h"
#include "platform/ui/Types.h"

namespace qp {

class TFont;

struct TSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Icons, bitmaps and drawing on device contexts. Colours may be system colours; the backend
// resolves them when it draws.
class TGraphicsDevice {
 public:
  virtual ~TGraphicsDevice() = default;

  // An icon handle showing the standard image (StandardIconImage) of a file that ReadIconFile
  // accepts; 0 when the system cannot make one.
  virtual TIconHandle CreateIconHandle(const std::vector<std::uint8_t>& iconFile) = 0;
  virtual void DestroyIconHandle(TIconHandle icon) = 0;

  // A bitmap compatible with the screen, with a device context of its own that draws into it;
  // 0 when the system has no room for it.
  virtual TBitmapHandle CreateBitmapHandle(std::int32_t width, std::int32_t height) = 0;
  virtual void DestroyBitmapHandle(TBitmapHandle bitmap) = 0;
  virtual TDeviceContext BitmapDeviceContext(TBitmapHandle bitmap) = 0;

  virtual void FillRectangle(TDeviceContext dc, const TRect& rect, TColor color) = 0;
  // Icons and bitmaps at their own size with their top left corner at `at`, or stretched.
  virtual void DrawIconAt(TDeviceContext dc, TPoint at, TIconHandle icon) = 0;
  virtual void StretchIcon(TDeviceContext dc, const TRect& target, TIconHandle icon) = 0;
  virtual void DrawBitmapAt(TDeviceContext dc, TPoint at, TBitmapHandle bitmap) = 0;
  virtual void StretchBitmap(TDeviceContext dc, const TRect& target, TBitmapHandle bitmap) = 0;

  // The size of text in font; a dc of 0 measures on the screen.
  virtual TSize MeasureText(TDeviceContext dc, const TFont& font, const std::string& text) = 0;
  // Writes text in font and its colour with its top left corner at `at`, on background (clNone
  // leaves the background as it is). With a clip rectangle nothing is drawn outside it.
  virtual void WriteText(TDeviceContext dc, TPoint at, const std::optional<TRect>& clip,
                         const TFont& font, TColor background, const std::string& text) = 0;
  // The dotted rectangle of the item that has the focus; drawing it twice removes it.
  virtual void DrawFocusRectangle(TDeviceContext dc, const TRect& rect) = 0;
};

TGraphicsDevice& GraphicsDevice();

}  // namespace qp
