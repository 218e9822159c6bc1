#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Font.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "tests/platform/ui/ControlTest.h"
#include "tests/platform/ui/TestIcons.h"

namespace qp {
namespace {

constexpr TDeviceContext kParentDC = 0x51;

class GraphicControlsTest : public ControlTest {
 protected:
  static std::vector<TDrawing> Drawings() { return HeadlessGraphics().DrawingsOn(kParentDC); }
};

TEST_F(GraphicControlsTest, ALabelWritesItsCaptionAlignedInItsBounds) {
  struct Case {
    TAlignment Alignment;
    std::int32_t X;
  };
  // "Hallo" is 30 pixels wide in the headless metrics; the label is 100 wide at x = 10.
  for (const Case c : {Case{taLeftJustify, 10}, Case{taCenter, 45}, Case{taRightJustify, 80}}) {
    TLabel label(nullptr);
    label.SetBounds(10, 20, 100, 13);
    label.SetCaption("Hallo");
    label.SetColor(clRed);
    label.Font()->SetName("Arial");
    label.SetAlignment(c.Alignment);
    HeadlessGraphics().ClearDrawings();
    label.PaintTo(kParentDC);

    const std::vector<TDrawing> drawn = Drawings();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].Kind, TDrawingKind::FillRect);
    EXPECT_EQ(drawn[0].Rect, (TRect{10, 20, 110, 33}));
    EXPECT_EQ(drawn[0].Color, clRed);
    EXPECT_EQ(drawn[1].Kind, TDrawingKind::Text);
    EXPECT_EQ(drawn[1].Text, "Hallo");
    EXPECT_EQ(drawn[1].At, (TPoint{c.X, 20}));
    EXPECT_TRUE(drawn[1].Clipped);
    EXPECT_EQ(drawn[1].Rect, (TRect{10, 20, 110, 33}));
    EXPECT_EQ(drawn[1].Font.Name, "Arial");
  }
}

TEST_F(GraphicControlsTest, AHiddenControlPaintsNothing) {
  TLabel label(nullptr);
  label.SetCaption("Hallo");
  label.SetVisible(false);
  label.PaintTo(kParentDC);
  EXPECT_TRUE(Drawings().empty());
}

TEST_F(GraphicControlsTest, ChangesRepaintTheParentsWindow) {
  TLabel label(nullptr);
  label.SetParent(&host_);
  TImage image(nullptr);
  image.SetParent(&host_);
  const auto invalidations = [this] { return WindowOf(host_).Invalidations; };
  ASSERT_EQ(invalidations(), 0);

  label.SetCaption("Hallo");
  label.SetAlignment(taCenter);
  label.SetAlignment(taCenter);
  label.SetLeft(5);
  EXPECT_EQ(invalidations(), 3);
  TIcon icon;
  LoadIconFile(icon, IconFileOf({BitmapIconImage(16, 4)}));
  image.SetPicture(&icon);
  image.SetCenter(true);
  image.SetStretch(true);
  EXPECT_EQ(invalidations(), 6);
}

TEST_F(GraphicControlsTest, APanelPaintsItsBevelsThenItsWindowlessControlsInOrder) {
  TPanel panel(nullptr);
  panel.SetParent(&host_);
  panel.SetBounds(0, 0, 50, 30);
  panel.SetBevelOuter(bvLowered);
  panel.SetBevelInner(bvRaised);
  TLabel first(nullptr);
  first.SetParent(&panel);
  first.SetCaption("A");
  TLabel second(nullptr);
  second.SetParent(&panel);
  second.SetCaption("B");
  TButton button(nullptr);
  button.SetParent(&panel);

  Windowing().SendTo(panel.Handle(), WM_PAINT, 0, 0);
  std::vector<TDrawing> drawn = HeadlessGraphics().DrawingsOn(WindowOf(panel).PaintDC);
  ASSERT_EQ(drawn.size(), 1u + 4 + 4 + 2 * 2);
  EXPECT_EQ(drawn[0].Rect, (TRect{0, 0, 50, 30}));
  EXPECT_EQ(drawn[1].Rect, (TRect{0, 0, 50, 1})) << "outer bevel, top";
  EXPECT_EQ(drawn[1].Color, clBtnShadow);
  EXPECT_EQ(drawn[4].Rect, (TRect{49, 0, 50, 30})) << "outer bevel, right";
  EXPECT_EQ(drawn[4].Color, clBtnHighlight);
  EXPECT_EQ(drawn[5].Rect, (TRect{1, 1, 49, 2})) << "inner bevel, top";
  EXPECT_EQ(drawn[5].Color, clBtnHighlight);
  EXPECT_EQ(drawn[10].Text, "A");
  EXPECT_EQ(drawn[12].Text, "B");

  // The system paints its own control classes.
  Windowing().SendTo(button.Handle(), WM_PAINT, 0, 0);
  EXPECT_EQ(WindowOf(button).PaintDC, 0u);
}

TEST_F(GraphicControlsTest, AnImageDrawsItsOwnCopyOfTheIconPlacedAsAsked) {
  TImage image(nullptr);
  image.SetBounds(8, 8, 41, 41);
  image.PaintTo(kParentDC);
  EXPECT_TRUE(Drawings().empty()) << "an empty picture";

  TIcon icon;
  LoadIconFile(icon, IconFileOf({BitmapIconImage(32, 4)}));
  image.SetPicture(&icon);
  image.SetPicture(nullptr);
  LoadIconFile(icon, IconFileOf({BitmapIconImage(16, 4)}));
  EXPECT_EQ(image.Picture()->Width(), 32);

  struct Case {
    bool Center;
    bool Stretch;
    TDrawingKind Kind;
    TPoint At;
    TRect Rect;
  };
  for (const Case c : {Case{false, false, TDrawingKind::DrawIcon, {8, 8}, {}},
                       Case{true, false, TDrawingKind::DrawIcon, {12, 12}, {}},
                       Case{false, true, TDrawingKind::StretchIcon, {}, {8, 8, 49, 49}},
                       Case{true, true, TDrawingKind::StretchIcon, {}, {8, 8, 49, 49}}}) {
    image.SetCenter(c.Center);
    image.SetStretch(c.Stretch);
    HeadlessGraphics().ClearDrawings();
    image.PaintTo(kParentDC);
    const std::vector<TDrawing> drawn = Drawings();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].Kind, c.Kind);
    EXPECT_EQ(drawn[0].At, c.At);
    EXPECT_EQ(drawn[0].Rect, c.Rect);
    EXPECT_EQ(drawn[0].Source, image.Picture()->Handle());
  }
}

}  // namespace
}  // namespace qp
