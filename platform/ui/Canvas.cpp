#include "platform/ui/Canvas.h"

#include "platform/core/Describe.h"
#include "platform/ui/Graphic.h"

namespace qp {

const TClass& TCanvas::ClassInfo() {
  static const TClass info{Describe<TCanvas, TPersistent>("TCanvas")
                               .Property("Brush", &TCanvas::Brush, &TCanvas::SetBrush)
                               .Property("Font", &TCanvas::Font, &TCanvas::SetFont)};
  return info;
}

TCanvas::TCanvas() : brush_(std::make_unique<TBrush>()), font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetBrush(TBrush* brush) {
  if (brush != nullptr) brush_->Assign(*brush);
}

void TCanvas::SetFont(TFont* font) {
  if (font != nullptr) font_->Assign(*font);
}

TDeviceContext TCanvas::RequireHandle() const {
  if (handle_ == 0) {
    throw EInvalidGraphicOperation(
        "Die Zeichenfl\xE4"
        "che hat keinen Ger\xE4tekontext");
  }
  return handle_;
}

TColor TCanvas::TextBackground() const {
  return brush_->Style() == bsClear ? clNone : brush_->Color();
}

void TCanvas::FillRect(const TRect& rect) {
  const TDeviceContext dc = RequireHandle();
  if (brush_->Style() != bsClear) GraphicsDevice().FillRectangle(dc, rect, brush_->Color());
}

void TCanvas::Draw(std::int32_t x, std::int32_t y, const TGraphic& graphic) {
  const TDeviceContext dc = RequireHandle();
  if (!graphic.Empty()) graphic.PaintAt(dc, {x, y});
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
  const TDeviceContext dc = RequireHandle();
  if (!graphic.Empty()) graphic.PaintStretched(dc, rect);
}

void TCanvas::TextOutAt(std::int32_t x, std::int32_t y, const std::string& text) {
  GraphicsDevice().WriteText(RequireHandle(), {x, y}, std::nullopt, *font_, TextBackground(), text);
}

void TCanvas::TextRectClipped(const TRect& rect, std::int32_t x, std::int32_t y,
                              const std::string& text) {
  GraphicsDevice().WriteText(RequireHandle(), {x, y}, rect, *font_, TextBackground(), text);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  GraphicsDevice().DrawFocusRectangle(RequireHandle(), rect);
}

TSize TCanvas::TextExtent(const std::string& text) const {
  return GraphicsDevice().MeasureText(handle_, *font_, text);
}

}  // namespace qp
