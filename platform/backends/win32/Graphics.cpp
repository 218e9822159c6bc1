#include "platform/backends/win32/Graphics.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/ui/Font.h"
#include "platform/ui/IconFile.h"

namespace qp {
namespace {

// The version of the icon resource format that CreateIconFromResourceEx expects.
constexpr DWORD kIconFormatVersion = 0x00030000;

template <class H>
H Native(std::uintptr_t handle) {
  return reinterpret_cast<H>(handle);
}

COLORREF ColorRef(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if ((value & 0x80000000u) != 0) return GetSysColor(static_cast<int>(value & 0xFF));
  return value & 0x00FFFFFF;
}

RECT NativeRect(const TRect& rect) {
  return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

BYTE PitchFlags(TFontPitch pitch) {
  switch (pitch) {
    case fpVariable:
      return VARIABLE_PITCH;
    case fpFixed:
      return FIXED_PITCH;
    case fpDefault:
      break;
  }
  return DEFAULT_PITCH;
}

// A GDI font made from a font description, selected into a device context while it lives.
class TSelectedFont {
 public:
  TSelectedFont(HDC dc, const TFont& font) : dc_(dc) {
    LOGFONTA description{};
    description.lfHeight = font.Height();
    description.lfWeight = font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.Style().Contains(fsItalic);
    description.lfUnderline = font.Style().Contains(fsUnderline);
    description.lfStrikeOut = font.Style().Contains(fsStrikeOut);
    description.lfCharSet = static_cast<BYTE>(font.Charset());
    description.lfPitchAndFamily = PitchFlags(font.Pitch());
    const std::size_t length = std::min(font.Name().size(), sizeof description.lfFaceName - 1);
    std::memcpy(description.lfFaceName, font.Name().data(), length);
    font_ = CreateFontIndirectA(&description);
    previous_ = SelectObject(dc_, font_);
  }
  ~TSelectedFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }
  TSelectedFont(const TSelectedFont&) = delete;
  TSelectedFont& operator=(const TSelectedFont&) = delete;

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

}  // namespace

TIconHandle TWin32Graphics::CreateIconHandle(const std::vector<std::uint8_t>& iconFile) {
  const std::vector<TIconImage> images = ReadIconFile(iconFile);
  const TIconImage& image = StandardIconImage(images);
  HICON icon = CreateIconFromResourceEx(
      const_cast<BYTE*>(image.Bytes.data()), static_cast<DWORD>(image.Bytes.size()), TRUE,
      kIconFormatVersion, image.PixelWidth(), image.PixelHeight(), LR_DEFAULTCOLOR);
  return reinterpret_cast<TIconHandle>(icon);
}

void TWin32Graphics::DestroyIconHandle(TIconHandle icon) {
  DestroyIcon(Native<HICON>(icon));
}

TBitmapHandle TWin32Graphics::CreateBitmapHandle(std::int32_t width, std::int32_t height) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (bitmap == nullptr || dc == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    return 0;
  }
  const auto handle = reinterpret_cast<TBitmapHandle>(bitmap);
  bitmaps_[handle] = {reinterpret_cast<TDeviceContext>(dc),
                      reinterpret_cast<std::uintptr_t>(SelectObject(dc, bitmap))};
  return handle;
}

void TWin32Graphics::DestroyBitmapHandle(TBitmapHandle bitmap) {
  const auto found = bitmaps_.find(bitmap);
  if (found == bitmaps_.end()) return;
  HDC dc = Native<HDC>(found->second.DC);
  SelectObject(dc, Native<HGDIOBJ>(found->second.Previous));
  DeleteDC(dc);
  DeleteObject(Native<HBITMAP>(bitmap));
  bitmaps_.erase(found);
}

TDeviceContext TWin32Graphics::BitmapDeviceContext(TBitmapHandle bitmap) {
  const auto found = bitmaps_.find(bitmap);
  return found == bitmaps_.end() ? 0 : found->second.DC;
}

void TWin32Graphics::FillRectangle(TDeviceContext dc, const TRect& rect, TColor color) {
  HBRUSH brush = CreateSolidBrush(ColorRef(color));
  const RECT area = NativeRect(rect);
  FillRect(Native<HDC>(dc), &area, brush);
  DeleteObject(brush);
}

void TWin32Graphics::DrawIconAt(TDeviceContext dc, TPoint at, TIconHandle icon) {
  DrawIconEx(Native<HDC>(dc), at.X, at.Y, Native<HICON>(icon), 0, 0, 0, nullptr, DI_NORMAL);
}

void TWin32Graphics::StretchIcon(TDeviceContext dc, const TRect& target, TIconHandle icon) {
  DrawIconEx(Native<HDC>(dc), target.Left, target.Top, Native<HICON>(icon), target.Width(),
             target.Height(), 0, nullptr, DI_NORMAL);
}

void TWin32Graphics::Blit(TDeviceContext dc, TPoint at, std::optional<TSize> size,
                          TBitmapHandle bitmap) {
  const auto found = bitmaps_.find(bitmap);
  BITMAP picture{};
  if (found == bitmaps_.end() ||
      GetObjectA(Native<HBITMAP>(bitmap), sizeof picture, &picture) == 0) {
    return;
  }
  HDC source = Native<HDC>(found->second.DC);
  const TSize natural{picture.bmWidth, picture.bmHeight};
  const TSize drawn = size.value_or(natural);
  if (drawn == natural) {
    BitBlt(Native<HDC>(dc), at.X, at.Y, drawn.cx, drawn.cy, source, 0, 0, SRCCOPY);
  } else {
    StretchBlt(Native<HDC>(dc), at.X, at.Y, drawn.cx, drawn.cy, source, 0, 0, natural.cx,
               natural.cy, SRCCOPY);
  }
}

void TWin32Graphics::DrawBitmapAt(TDeviceContext dc, TPoint at, TBitmapHandle bitmap) {
  Blit(dc, at, std::nullopt, bitmap);
}

void TWin32Graphics::StretchBitmap(TDeviceContext dc, const TRect& target, TBitmapHandle bitmap) {
  Blit(dc, {target.Left, target.Top}, TSize{target.Width(), target.Height()}, bitmap);
}

TSize TWin32Graphics::MeasureText(TDeviceContext dc, const TFont& font, const std::string& text) {
  HDC target = dc != 0 ? Native<HDC>(dc) : GetDC(nullptr);
  SIZE size{};
  {
    TSelectedFont selected(target, font);
    GetTextExtentPoint32A(target, text.data(), static_cast<int>(text.size()), &size);
  }
  if (dc == 0) ReleaseDC(nullptr, target);
  return {size.cx, size.cy};
}

void TWin32Graphics::WriteText(TDeviceContext dc, TPoint at, const std::optional<TRect>& clip,
                               const TFont& font, TColor background, const std::string& text) {
  HDC target = Native<HDC>(dc);
  TSelectedFont selected(target, font);
  const COLORREF previousColor = SetTextColor(target, ColorRef(font.Color()));
  const int previousMode = SetBkMode(target, background == clNone ? TRANSPARENT : OPAQUE);
  const COLORREF previousBackground = SetBkColor(target, ColorRef(background));
  const RECT area = NativeRect(clip.value_or(TRect{}));
  ExtTextOutA(target, at.X, at.Y, clip ? ETO_CLIPPED : 0, clip ? &area : nullptr, text.data(),
              static_cast<UINT>(text.size()), nullptr);
  SetBkColor(target, previousBackground);
  SetBkMode(target, previousMode);
  SetTextColor(target, previousColor);
}

void TWin32Graphics::DrawFocusRectangle(TDeviceContext dc, const TRect& rect) {
  const RECT area = NativeRect(rect);
  DrawFocusRect(Native<HDC>(dc), &area);
}

TGraphicsDevice& GraphicsDevice() {
  static TWin32Graphics graphics;
  return graphics;
}

}  // namespace qp
