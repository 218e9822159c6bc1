#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/Graphics.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/TestIcons.h"

namespace qp {
namespace {

constexpr TDeviceContext kItemDC = 0x77;

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessGraphics().ClearDrawings();
    canvas_.SetHandle(kItemDC);
  }

  const std::vector<TDrawing>& Drawings() const { return HeadlessGraphics().Drawings(); }

  TCanvas canvas_;
};

TEST_F(CanvasTest, MeasuresTextWithTheHeadlessMetrics) {
  struct Case {
    std::int32_t Height;
    std::string Text;
    TSize Extent;
  };
  const std::vector<Case> cases = {
      {-11, "x", {6, 13}},      {-11, "Hallo", {30, 13}}, {-11, "", {0, 13}},
      {-16, "Hallo", {40, 18}}, {13, "ab", {14, 15}},
  };
  for (const Case& c : cases) {
    canvas_.Font()->SetHeight(c.Height);
    EXPECT_EQ(canvas_.TextExtent(c.Text), c.Extent) << c.Height << " " << c.Text;
    EXPECT_EQ(canvas_.TextWidth(c.Text), c.Extent.cx);
    EXPECT_EQ(canvas_.TextHeight(c.Text), c.Extent.cy);
  }
  TCanvas unbound;
  EXPECT_EQ(unbound.TextHeight("x"), 13);
  EXPECT_TRUE(Drawings().empty());
}

TEST_F(CanvasTest, DrawingNeedsADeviceContext) {
  TCanvas unbound;
  TIcon icon;
  EXPECT_FALSE(unbound.HandleAllocated());
  EXPECT_THROW(unbound.FillRect({0, 0, 1, 1}), EInvalidGraphicOperation);
  EXPECT_THROW(unbound.Draw(0, 0, icon), EInvalidGraphicOperation);
  EXPECT_THROW(unbound.StretchDraw({0, 0, 1, 1}, icon), EInvalidGraphicOperation);
  EXPECT_THROW(unbound.TextOutAt(0, 0, "x"), EInvalidGraphicOperation);
  EXPECT_THROW(unbound.TextRectClipped({0, 0, 1, 1}, 0, 0, "x"), EInvalidGraphicOperation);
  EXPECT_THROW(unbound.DrawFocusRect({0, 0, 1, 1}), EInvalidGraphicOperation);
  EXPECT_TRUE(Drawings().empty());
}

TEST_F(CanvasTest, FillsWithTheBrushUnlessItIsClear) {
  canvas_.Brush()->SetColor(clHighlight);
  canvas_.FillRect({1, 2, 30, 15});
  canvas_.Brush()->SetStyle(bsClear);
  canvas_.FillRect({1, 2, 30, 15});
  ASSERT_EQ(Drawings().size(), 1u);
  EXPECT_EQ(Drawings()[0].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(Drawings()[0].DC, kItemDC);
  EXPECT_EQ(Drawings()[0].Rect, (TRect{1, 2, 30, 15}));
  EXPECT_EQ(Drawings()[0].Color, clHighlight);
}

TEST_F(CanvasTest, WritesTextInTheFontOnTheBrush) {
  canvas_.Font()->SetColor(clHighlightText);
  canvas_.Font()->SetStyle({fsBold});
  canvas_.Brush()->SetColor(clHighlight);
  canvas_.TextOutAt(4, 5, "Deutsch");
  canvas_.Brush()->SetStyle(bsClear);
  canvas_.TextRectClipped({2, 3, 40, 16}, 22, 3, "English");
  ASSERT_EQ(Drawings().size(), 2u);
  const TDrawing& plain = Drawings()[0];
  EXPECT_EQ(plain.Kind, TDrawingKind::Text);
  EXPECT_EQ(plain.At, (TPoint{4, 5}));
  EXPECT_FALSE(plain.Clipped);
  EXPECT_EQ(plain.Text, "Deutsch");
  EXPECT_EQ(plain.Color, clHighlightText);
  EXPECT_EQ(plain.Background, clHighlight);
  EXPECT_EQ(plain.Font, canvas_.Font()->Data());
  const TDrawing& clipped = Drawings()[1];
  EXPECT_TRUE(clipped.Clipped);
  EXPECT_EQ(clipped.Rect, (TRect{2, 3, 40, 16}));
  EXPECT_EQ(clipped.At, (TPoint{22, 3}));
  EXPECT_EQ(clipped.Background, clNone);
}

TEST_F(CanvasTest, DrawsIconsAtTheirSizeOrStretched) {
  TIcon icon;
  TIcon empty;
  LoadIconFile(icon, IconFileOf({BitmapIconImage(32, 4)}));
  canvas_.Draw(2, 1, icon);
  canvas_.StretchDraw({2, 1, 18, 17}, icon);
  canvas_.Draw(2, 1, empty);
  canvas_.StretchDraw({2, 1, 18, 17}, empty);
  ASSERT_EQ(Drawings().size(), 2u);
  EXPECT_EQ(Drawings()[0].Kind, TDrawingKind::DrawIcon);
  EXPECT_EQ(Drawings()[0].At, (TPoint{2, 1}));
  EXPECT_EQ(Drawings()[0].Source, icon.Handle());
  EXPECT_EQ(Drawings()[1].Kind, TDrawingKind::StretchIcon);
  EXPECT_EQ(Drawings()[1].Rect, (TRect{2, 1, 18, 17}));
}

TEST_F(CanvasTest, DrawsTheFocusRectangle) {
  canvas_.DrawFocusRect({0, 0, 100, 13});
  ASSERT_EQ(Drawings().size(), 1u);
  EXPECT_EQ(Drawings()[0].Kind, TDrawingKind::FocusRect);
  EXPECT_EQ(Drawings()[0].Rect, (TRect{0, 0, 100, 13}));
}

TEST_F(CanvasTest, KeepsCopiesOfTheBrushAndFontItIsGiven) {
  TFont font;
  font.SetName("Arial");
  TBrush brush;
  brush.SetColor(clRed);
  canvas_.SetFont(&font);
  canvas_.SetBrush(&brush);
  font.SetName("Courier New");
  EXPECT_EQ(canvas_.Font()->Name(), "Arial");
  EXPECT_EQ(canvas_.Brush()->Color(), clRed);
  canvas_.SetFont(nullptr);
  EXPECT_EQ(canvas_.Font()->Name(), "Arial");
}

class BitmapTest : public CanvasTest {
 protected:
  const std::size_t liveBefore_ = HeadlessGraphics().LiveBitmaps();
};

TEST_F(BitmapTest, HasAPictureAndADeviceContextOnlyWhileItHasASize) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), 0u);
  EXPECT_FALSE(bitmap.Canvas()->HandleAllocated());
  bitmap.SetWidth(40);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), 0u);
  bitmap.SetHeight(-3);
  EXPECT_EQ(bitmap.Height(), 0);
  bitmap.SetHeight(16);
  EXPECT_FALSE(bitmap.Empty());
  ASSERT_NE(bitmap.Handle(), 0u);
  EXPECT_EQ(HeadlessGraphics().BitmapSize(bitmap.Handle()), (TSize{40, 16}));
  EXPECT_EQ(bitmap.Canvas()->Handle(), HeadlessGraphics().BitmapDeviceContext(bitmap.Handle()));
  EXPECT_EQ(HeadlessGraphics().LiveBitmaps(), liveBefore_ + 1);
  bitmap.SetSize(0, 16);
  EXPECT_FALSE(bitmap.Canvas()->HandleAllocated());
  EXPECT_EQ(HeadlessGraphics().LiveBitmaps(), liveBefore_);
}

TEST_F(BitmapTest, ItsCanvasDrawsIntoIt) {
  TBitmap bitmap;
  TChangeCounter counter;
  bitmap.OnChange = counter.Handler();
  bitmap.SetSize(16, 16);
  bitmap.SetSize(16, 16);
  EXPECT_EQ(counter.Senders.size(), 1u);
  bitmap.Canvas()->FillRect({0, 0, 16, 16});
  canvas_.Draw(3, 4, bitmap);
  canvas_.StretchDraw({0, 0, 32, 32}, bitmap);

  const auto inBitmap = HeadlessGraphics().DrawingsOn(bitmap.Canvas()->Handle());
  ASSERT_EQ(inBitmap.size(), 1u);
  EXPECT_EQ(inBitmap[0].Kind, TDrawingKind::FillRect);
  const auto onItem = HeadlessGraphics().DrawingsOn(kItemDC);
  ASSERT_EQ(onItem.size(), 2u);
  EXPECT_EQ(onItem[0].Kind, TDrawingKind::DrawBitmap);
  EXPECT_EQ(onItem[0].At, (TPoint{3, 4}));
  EXPECT_EQ(onItem[0].Source, bitmap.Handle());
  EXPECT_EQ(onItem[1].Kind, TDrawingKind::StretchBitmap);
  EXPECT_EQ(onItem[1].Rect, (TRect{0, 0, 32, 32}));
}

TEST_F(BitmapTest, AssignCopiesSizeAndPicture) {
  TBitmap source;
  source.SetSize(20, 10);
  TBitmap copy;
  TChangeCounter counter;
  copy.OnChange = counter.Handler();
  copy.Assign(source);
  EXPECT_EQ(copy.Width(), 20);
  EXPECT_EQ(copy.Height(), 10);
  EXPECT_NE(copy.Handle(), source.Handle());
  EXPECT_EQ(counter.Senders.size(), 1u);
  const auto copied = HeadlessGraphics().DrawingsOn(copy.Canvas()->Handle());
  ASSERT_EQ(copied.size(), 1u);
  EXPECT_EQ(copied[0].Kind, TDrawingKind::DrawBitmap);
  EXPECT_EQ(copied[0].Source, source.Handle());
  EXPECT_EQ(copied[0].At, (TPoint{0, 0}));
}

TEST_F(BitmapTest, IsNotKeptInFiles) {
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  TMemoryStream stream;
  EXPECT_THROW(bitmap.SaveToStream(stream), EInvalidGraphic);
  EXPECT_THROW(bitmap.LoadFromStream(stream), EInvalidGraphic);
}

}  // namespace
}  // namespace qp
