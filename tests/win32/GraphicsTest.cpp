#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/ws/Graphics.h"
#include "tests/platform/ui/IconFiles.h"

#include <windows.h>

namespace qp {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A bitmap of the backend, painted white, destroyed with the test.
class TestBitmap {
 public:
  TestBitmap(std::int32_t width, std::int32_t height)
      : handle_(GraphicsDevice().CreateBitmapHandle(width, height)),
        dc_(GraphicsDevice().BitmapDeviceContext(handle_)) {
    GraphicsDevice().FillRectangle(dc_, {0, 0, width, height}, clWhite);
  }
  ~TestBitmap() { GraphicsDevice().DestroyBitmapHandle(handle_); }
  TestBitmap(const TestBitmap&) = delete;
  TestBitmap& operator=(const TestBitmap&) = delete;

  TBitmapHandle Handle() const { return handle_; }
  TDeviceContext DC() const { return dc_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(reinterpret_cast<HDC>(dc_), x, y); }

 private:
  TBitmapHandle handle_;
  TDeviceContext dc_;
};

// An icon handle of the backend, destroyed with the test.
class TestIcon {
 public:
  explicit TestIcon(const std::vector<std::uint8_t>& file)
      : handle_(GraphicsDevice().CreateIconHandle(file)) {}
  ~TestIcon() { GraphicsDevice().DestroyIconHandle(handle_); }
  TestIcon(const TestIcon&) = delete;
  TestIcon& operator=(const TestIcon&) = delete;
  TIconHandle Handle() const { return handle_; }

 private:
  TIconHandle handle_;
};

SIZE IconSize(TIconHandle icon) {
  ICONINFO info{};
  BITMAP mask{};
  if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return {};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  return {mask.bmWidth, mask.bmHeight};
}

TEST(Graphics, IconsShowTheImageNearestTheStandardSize) {
  const TestIcon icon(IconFileOf({BitmapIconImage(16, 4), BitmapIconImage(32, 4)}));
  ASSERT_NE(icon.Handle(), 0u);
  const SIZE size = IconSize(icon.Handle());
  EXPECT_EQ(size.cx, 32);
  EXPECT_EQ(size.cy, 32);
}

TEST(Graphics, BitmapsAreFilledWithFixedAndSystemColours) {
  const TestBitmap bitmap(20, 10);
  ASSERT_NE(bitmap.Handle(), 0u);
  ASSERT_NE(bitmap.DC(), 0u);
  GraphicsDevice().FillRectangle(bitmap.DC(), {0, 0, 10, 10}, clRed);
  GraphicsDevice().FillRectangle(bitmap.DC(), {10, 0, 20, 10}, clHighlight);
  EXPECT_EQ(bitmap.Pixel(9, 9), kRed);
  EXPECT_EQ(bitmap.Pixel(10, 0), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(Graphics, IconsAreDrawnAtTheirSizeOrStretched) {
  const TestIcon icon(IconFileOf({BitmapIconImage(32, 4)}));
  const TestBitmap bitmap(60, 40);
  GraphicsDevice().DrawIconAt(bitmap.DC(), {4, 4}, icon.Handle());
  EXPECT_EQ(bitmap.Pixel(4, 4), kRed);
  EXPECT_EQ(bitmap.Pixel(35, 35), kRed);
  EXPECT_EQ(bitmap.Pixel(36, 36), kWhite);
  GraphicsDevice().StretchIcon(bitmap.DC(), {40, 0, 56, 16}, icon.Handle());
  EXPECT_EQ(bitmap.Pixel(55, 15), kRed);
  EXPECT_EQ(bitmap.Pixel(56, 16), kWhite);
}

TEST(Graphics, BitmapsAreCopiedAtTheirSizeOrStretched) {
  const TestBitmap source(4, 4);
  GraphicsDevice().FillRectangle(source.DC(), {0, 0, 4, 4}, clRed);
  const TestBitmap target(20, 20);
  GraphicsDevice().DrawBitmapAt(target.DC(), {2, 2}, source.Handle());
  EXPECT_EQ(target.Pixel(5, 5), kRed);
  EXPECT_EQ(target.Pixel(6, 6), kWhite);
  GraphicsDevice().StretchBitmap(target.DC(), {8, 8, 16, 16}, source.Handle());
  EXPECT_EQ(target.Pixel(15, 15), kRed);
  EXPECT_EQ(target.Pixel(16, 16), kWhite);
}

TEST(Graphics, TextIsMeasuredInTheFont) {
  TFont font;
  const TSize one = GraphicsDevice().MeasureText(0, font, "Hallo");
  const TSize two = GraphicsDevice().MeasureText(0, font, "HalloHallo");
  EXPECT_GT(one.cx, 0);
  EXPECT_EQ(two.cx, 2 * one.cx);
  EXPECT_EQ(two.cy, one.cy);
  font.SetHeight(-22);
  const TestBitmap bitmap(1, 1);
  EXPECT_GT(GraphicsDevice().MeasureText(bitmap.DC(), font, "Hallo").cy, one.cy);
}

TEST(Graphics, ClippedTextStaysInsideItsRectangle) {
  TFont font;
  font.SetColor(clBlack);
  font.SetHeight(-20);
  const TestBitmap bitmap(100, 30);
  const TSize extent = GraphicsDevice().MeasureText(bitmap.DC(), font, "WWWW");
  GraphicsDevice().WriteText(bitmap.DC(), {0, 0}, TRect{0, 0, 10, 30}, font, clYellow, "WWWW");
  // The background fills the text's cells inside the clip rectangle only.
  EXPECT_EQ(bitmap.Pixel(9, extent.cy - 1), RGB(255, 255, 0));
  for (int x = 10; x < extent.cx; ++x) {
    for (int y = 0; y < extent.cy; ++y)
      ASSERT_EQ(bitmap.Pixel(x, y), kWhite) << x << "," << y;
  }
}

TEST(Graphics, TransparentTextLeavesTheBackground) {
  TFont font;
  font.SetColor(clBlack);
  const TestBitmap bitmap(100, 30);
  GraphicsDevice().WriteText(bitmap.DC(), {0, 0}, std::nullopt, font, clNone, "Hallo");
  const TSize extent = GraphicsDevice().MeasureText(bitmap.DC(), font, "Hallo");
  int black = 0;
  int white = 0;
  for (int x = 0; x < extent.cx; ++x) {
    for (int y = 0; y < extent.cy; ++y) {
      black += bitmap.Pixel(x, y) == RGB(0, 0, 0);
      white += bitmap.Pixel(x, y) == kWhite;
    }
  }
  EXPECT_GT(black, 0);
  EXPECT_GT(white, black);
}

TEST(Graphics, TheFocusRectangleIsRemovedByDrawingItAgain) {
  const TestBitmap bitmap(20, 20);
  const auto dotsOnTopEdge = [&bitmap] {
    int dots = 0;
    for (int x = 2; x < 18; ++x)
      dots += bitmap.Pixel(x, 2) != kWhite;
    return dots;
  };
  GraphicsDevice().DrawFocusRectangle(bitmap.DC(), {2, 2, 18, 18});
  EXPECT_GE(dotsOnTopEdge(), 8);
  EXPECT_EQ(bitmap.Pixel(10, 10), kWhite);
  GraphicsDevice().DrawFocusRectangle(bitmap.DC(), {2, 2, 18, 18});
  EXPECT_EQ(dotsOnTopEdge(), 0);
}

}  // namespace
}  // namespace qp
