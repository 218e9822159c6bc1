#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/core/Persistent.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "platform/ui/Types.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {

class TGraphic;

// Drawing on a canvas that has no device context.
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};

// A drawing surface: a device context that someone else owns (a control's while it paints an
// item, a bitmap's), with the brush that fills and the font that writes.
class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // The device context drawn on; 0 while the canvas is bound to none.
  TDeviceContext Handle() const { return handle_; }
  void SetHandle(TDeviceContext dc) { handle_ = dc; }
  bool HandleAllocated() const { return handle_ != 0; }

  TBrush* Brush() const { return brush_.get(); }
  // Copies brush into the canvas's own; nullptr changes nothing.
  void SetBrush(TBrush* brush);
  TFont* Font() const { return font_.get(); }
  // Copies font into the canvas's own; nullptr changes nothing.
  void SetFont(TFont* font);

  // Drawing raises EInvalidGraphicOperation when the canvas has no device context.
  // Fills rect with the brush's colour; a clear brush fills nothing.
  void FillRect(const TRect& rect);
  // An empty graphic draws nothing.
  void Draw(std::int32_t x, std::int32_t y, const TGraphic& graphic);
  void StretchDraw(const TRect& rect, const TGraphic& graphic);
  // Text in the font's colour on the brush's colour, or on what is there with a clear brush.
  void TextOutAt(std::int32_t x, std::int32_t y, const std::string& text);
  // The same, with nothing drawn outside rect.
  void TextRectClipped(const TRect& rect, std::int32_t x, std::int32_t y, const std::string& text);
  void DrawFocusRect(const TRect& rect);

  // Measured in the canvas's device context, or on the screen while it has none.
  TSize TextExtent(const std::string& text) const;
  std::int32_t TextWidth(const std::string& text) const { return TextExtent(text).cx; }
  std::int32_t TextHeight(const std::string& text) const { return TextExtent(text).cy; }

 private:
  TDeviceContext RequireHandle() const;
  TColor TextBackground() const;

  TDeviceContext handle_ = 0;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
};

}  // namespace qp
