#include "components/Vcombbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Describe.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Icon.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/forms/FormWriter.h"
#include "tests/platform/ui/ControlTest.h"
#include "tests/platform/ui/TestIcons.h"

namespace qp {
namespace {

// The form that holds the box in the tests: its published methods are what descriptions bind.
class THost : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<THost, TWinControl>("THost")
                                 .Method("BoxLoaded", &THost::BoxLoaded)
                                 .Method("DrawingItem", &THost::DrawingItem)
                                 .Method("PaintItem", &THost::PaintItem)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void BoxLoaded(TObject* sender) {
    const auto* box = dynamic_cast<TVComboBox*>(sender);
    events.push_back(std::string("loaded ") + (box->IsLoading() ? "loading" : "done"));
  }
  void DrawingItem(TObject*, std::int32_t index) {
    // What the painter has done on the item by now.
    events.push_back("drawing " + std::to_string(index) + " after " +
                     std::to_string(HeadlessGraphics().Drawings().size()));
  }
  void PaintItem(TWinControl*, std::int32_t index, TRect, TOwnerDrawState) {
    events.push_back("paint " + std::to_string(index));
  }

  std::vector<std::string> events;
};

// Counts the rebuilds that a descendant would do.
class TCountingBox : public TVComboBox {
 public:
  using TVComboBox::TVComboBox;
  void RefreshItems(bool translate) override { refreshes.push_back(translate); }
  std::vector<bool> refreshes;
};

constexpr TDeviceContext kDC = 0x77;
const TRect kItem{0, 0, 145, 16};

class VComboBoxTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterClass(TVComboBox::ClassInfo());
    box->SetParent(&host_);
    box->Items()->Add("Deutsch");
    box->Items()->Add("Englisch");
  }

  // What the system sends the parent to have one item painted; answers what went on the item.
  static std::vector<TDrawing> PaintOn(TVComboBox& target, std::int32_t index,
                                       std::uint32_t state = 0, TRect rect = kItem) {
    HeadlessGraphics().ClearDrawings();
    TDrawItemStruct item{};
    item.CtlType = 3;
    item.itemID = static_cast<std::uint32_t>(index);
    item.itemState = state;
    item.hwndItem = target.Handle();
    item.hDC = kDC;
    item.rcItem[0] = rect.Left;
    item.rcItem[1] = rect.Top;
    item.rcItem[2] = rect.Right;
    item.rcItem[3] = rect.Bottom;
    Windowing().SendTo(target.Parent()->Handle(), WM_DRAWITEM, 0,
                       reinterpret_cast<std::intptr_t>(&item));
    return HeadlessGraphics().DrawingsOn(kDC);
  }
  std::vector<TDrawing> Paint(std::int32_t index, std::uint32_t state = 0, TRect rect = kItem) {
    return PaintOn(*box, index, state, rect);
  }

  static std::optional<TDrawing> Find(const std::vector<TDrawing>& drawings, TDrawingKind kind) {
    for (const TDrawing& drawing : drawings) {
      if (drawing.Kind == kind) return drawing;
    }
    return std::nullopt;
  }

  TVComboBox* box = new TVComboBox(&host_);
  std::unique_ptr<TIcon> icon = RedIcon(32);
};

TEST_F(VComboBoxTest, PaintsTheIconBitmapAndTheTextBesideIt) {
  box->SetShowIcons(true);
  ASSERT_TRUE(box->SetItemIcon(0, icon.get()));
  const std::size_t bitmapsBefore = HeadlessGraphics().LiveBitmaps();
  Paint(0);

  const std::vector<TDrawing> drawn = HeadlessGraphics().Drawings();
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[0].DC, kDC);
  EXPECT_EQ(drawn[0].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(drawn[0].Rect, kItem);
  EXPECT_EQ(drawn[0].Color, clWindow);
  // The icon goes on a 32 by 32 square of the box's colour first.
  const TDeviceContext square = drawn[1].DC;
  EXPECT_NE(square, kDC);
  EXPECT_EQ(drawn[1].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(drawn[1].Rect, (TRect{0, 0, 32, 32}));
  EXPECT_EQ(drawn[1].Color, clWindow);
  EXPECT_EQ(drawn[2].DC, square);
  EXPECT_EQ(drawn[2].Kind, TDrawingKind::DrawIcon);
  EXPECT_EQ(drawn[2].At, (TPoint{0, 0}));
  EXPECT_EQ(drawn[2].Source, box->ItemIcon(0)->Handle());
  // Not clipped to the item: it covers x 2 to 33 and y -9 to 22.
  EXPECT_EQ(drawn[3].DC, kDC);
  EXPECT_EQ(drawn[3].Kind, TDrawingKind::DrawBitmap);
  EXPECT_EQ(drawn[3].At, (TPoint{2, -9}));
  EXPECT_EQ(drawn[4].DC, kDC);
  EXPECT_EQ(drawn[4].Kind, TDrawingKind::Text);
  EXPECT_EQ(drawn[4].Text, "Deutsch");
  EXPECT_EQ(drawn[4].At, (TPoint{39, 1}));
  EXPECT_TRUE(drawn[4].Clipped);
  EXPECT_EQ(drawn[4].Rect, (TRect{1, 0, 144, 16}));
  EXPECT_EQ(HeadlessGraphics().LiveBitmaps(), bitmapsBefore);
}

TEST_F(VComboBoxTest, PlacesIconAndTextByAlignmentAndSize) {
  using enum TOwnAlign;
  struct Case {
    const char* Name;
    TOwnAlign Icon;
    TOwnAlign Text;
    bool Resize;
    TRect Item;
    // Where the 32 by 32 bitmap's corner went, or the rectangle it was stretched into.
    TRect Square;
    TPoint TextAt;
  };
  // "Deutsch" is 42 pixels wide; the text area of kItem is 143 wide, half of it rounds to 72.
  const Case cases[] = {
      {"icon right, text left", alRight, alLeft, false, kItem, {111, -9, 143, 23}, {6, 1}},
      {"both right", alRight, alRight, false, kItem, {111, -9, 143, 23}, {64, 1}},
      {"icon left, text right", alLeft, alRight, false, kItem, {2, -9, 34, 23}, {97, 1}},
      {"both centred overlap", alCenter, alCenter, false, kItem, {62, -9, 94, 23}, {51, 1}},
      {"text centred ignores the icon", alLeft, alCenter, false, kItem, {2, -9, 34, 23}, {51, 1}},
      // Halves go to the even neighbour: 21 / 2 -> 10 and 17 / 2 -> 8.
      {"odd item height", alLeft, alLeft, false, {0, 0, 145, 17}, {2, -9, 34, 23}, {39, 1}},
      {"resized left", alLeft, alLeft, true, kItem, {2, 0, 18, 16}, {22, 1}},
      {"resized right loses the margin", alRight, alRight, true, kItem, {128, 0, 143, 16}, {81, 1}},
      {"resized centred", alCenter, alLeft, true, kItem, {64, 0, 80, 16}, {6, 1}},
      {"resized, offset item", alLeft, alLeft, true, {0, 32, 145, 48}, {2, 32, 18, 48}, {22, 33}},
  };
  box->SetShowIcons(true);
  box->SetItemIcon(0, icon.get());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    box->SetAlignIcon(c.Icon);
    box->SetAlignText(c.Text);
    box->SetResizeIcon(c.Resize);
    const std::vector<TDrawing> drawn = Paint(0, 0, c.Item);
    if (c.Resize) {
      const auto stretched = Find(drawn, TDrawingKind::StretchBitmap);
      ASSERT_TRUE(stretched);
      EXPECT_EQ(stretched->Rect, c.Square);
      EXPECT_FALSE(Find(drawn, TDrawingKind::DrawBitmap));
    } else {
      const auto square = Find(drawn, TDrawingKind::DrawBitmap);
      ASSERT_TRUE(square);
      EXPECT_EQ(square->At, (TPoint{c.Square.Left, c.Square.Top}));
    }
    const auto text = Find(drawn, TDrawingKind::Text);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->At, c.TextAt);
  }
}

TEST_F(VComboBoxTest, AnItemWithoutAShownIconIsPlacedAsTextOnly) {
  box->Items()->Add("Italiano");
  box->SetItemIcon(0, icon.get());
  auto emptyIcon = std::make_unique<TIcon>();
  box->SetItemIcon(1, emptyIcon.get());
  struct Case {
    const char* Name;
    bool Show;
    std::int32_t Index;
  };
  const Case cases[] = {
      {"icons hidden", false, 0},
      {"entry without an image", true, 1},
      {"no entry for the item", true, 2},
  };
  for (TOwnAlign align : {TOwnAlign::alLeft, TOwnAlign::alRight}) {
    box->SetAlignText(align);
    box->SetAlignIcon(align);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.Name) + (align == TOwnAlign::alLeft ? ", left" : ", right"));
      box->SetShowIcons(c.Show);
      const std::vector<TDrawing> drawn = Paint(c.Index);
      ASSERT_EQ(drawn.size(), 2u);
      EXPECT_EQ(drawn[0].Kind, TDrawingKind::FillRect);
      const std::int32_t width = c.Index == 0 ? 42 : 48;
      EXPECT_EQ(drawn[1].At.X, align == TOwnAlign::alLeft ? 6 : 144 - width - 5);
    }
  }
}

TEST_F(VComboBoxTest, ASelectedItemKeepsTheBoxColourBehindItsIcon) {
  box->SetShowIcons(true);
  box->SetItemIcon(1, icon.get());
  Paint(1, ODS_SELECTED | ODS_FOCUS);
  const std::vector<TDrawing> drawn = HeadlessGraphics().Drawings();
  ASSERT_EQ(drawn.size(), 6u);
  EXPECT_EQ(drawn[0].Color, clHighlight);
  EXPECT_EQ(drawn[1].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(drawn[1].Color, clWindow);
  EXPECT_EQ(drawn[4].Kind, TDrawingKind::Text);
  EXPECT_EQ(drawn[4].Color, clHighlightText);
  EXPECT_EQ(drawn[4].Background, clHighlight);
  EXPECT_EQ(drawn[5].Kind, TDrawingKind::FocusRect);
}

TEST_F(VComboBoxTest, KeepsItsOwnCopiesOfItemIcons) {
  EXPECT_TRUE(box->SetItemIcon(3, icon.get()));
  EXPECT_EQ(box->ItemIconCount(), 4);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(box->ItemIcon(i), nullptr) << i;
  TIcon* copy = box->ItemIcon(3);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, icon.get());
  EXPECT_EQ(copy->Width(), 32);

  // The caller's icon may go; nil and impossible indices change nothing.
  icon.reset();
  EXPECT_FALSE(box->SetItemIcon(3, nullptr));
  EXPECT_FALSE(box->SetItemIcon(-1, copy));
  EXPECT_FALSE(box->SetItemIcon(1 << 30, copy));
  EXPECT_EQ(box->ItemIconCount(), 4);
  EXPECT_EQ(box->ItemIcon(3), copy);
  box->Items()->SetText("a\nb\nc\nd\n");
  box->SetShowIcons(true);
  ASSERT_TRUE(Find(Paint(3), TDrawingKind::DrawBitmap));
  const auto drawnIcon = Find(HeadlessGraphics().Drawings(), TDrawingKind::DrawIcon);
  ASSERT_TRUE(drawnIcon);
  EXPECT_EQ(drawnIcon->Source, copy->Handle());

  // A new image goes into the entry that is there.
  auto small = RedIcon(16);
  EXPECT_TRUE(box->SetItemIcon(3, small.get()));
  EXPECT_EQ(box->ItemIcon(3), copy);
  EXPECT_EQ(copy->Width(), 16);
}

TEST_F(VComboBoxTest, FreesItsIconsWithIt) {
  const std::size_t before = HeadlessGraphics().LiveIcons();
  {
    TVComboBox loose(nullptr);
    loose.SetItemIcon(0, icon.get());
    loose.SetItemIcon(2, icon.get());
    ASSERT_NE(loose.ItemIcon(0)->Handle(), 0u);
    ASSERT_NE(loose.ItemIcon(2)->Handle(), 0u);
    EXPECT_EQ(HeadlessGraphics().LiveIcons(), before + 2);
  }
  EXPECT_EQ(HeadlessGraphics().LiveIcons(), before);
}

TEST_F(VComboBoxTest, CreatesAnOwnerDrawnListWindow) {
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(box->Style(), TComboBoxStyle::csOwnerDrawFixed);
  for (bool sorted : {false, true}) {
    box->SetSorted(sorted);
    const TCreateParams& params = WindowOf(*box).Params;
    EXPECT_EQ(params.WindowClass, "COMBOBOX");
    EXPECT_EQ(params.Style & 0x1FF, sorted ? 0x157u : 0x057u);
    EXPECT_EQ(params.Style & 0x10000000, 0u) << "created hidden";
  }
}

TEST_F(VComboBoxTest, WritersRepaintOnlyWhenTheValueChanges) {
  const std::vector<std::function<void()>> writes = {
      [this] { box->SetShowIcons(true); },
      [this] { box->SetTextMargin(7); },
      [this] { box->SetIconMargin(3); },
      [this] { box->SetAlignIcon(TOwnAlign::alCenter); },
      [this] { box->SetAlignText(TOwnAlign::alRight); },
      [this] { box->SetResizeIcon(true); },
  };
  box->Handle();
  for (std::size_t i = 0; i < writes.size(); ++i) {
    const int before = WindowOf(*box).Invalidations;
    writes[i]();
    EXPECT_EQ(WindowOf(*box).Invalidations, before + 1) << i;
    writes[i]();
    EXPECT_EQ(WindowOf(*box).Invalidations, before + 1) << i;
  }
}

TEST_F(VComboBoxTest, ShowingIconsMakesTheBoxOwnerDrawnAgain) {
  box->SetStyle(TComboBoxStyle::csDropDown);
  box->SetShowIcons(true);
  EXPECT_EQ(box->Style(), TComboBoxStyle::csOwnerDrawFixed);
  box->SetStyle(TComboBoxStyle::csDropDown);
  box->SetShowIcons(false);
  EXPECT_EQ(box->Style(), TComboBoxStyle::csDropDown);
}

TEST_F(VComboBoxTest, OnDrawingItemComesBeforeThePainting) {
  auto* watcher = new THost(&host_);
  box->OnDrawingItem = TDrawingItemEvent(watcher, &THost::DrawingItem);
  const std::vector<TDrawing> drawn = Paint(1);
  EXPECT_EQ(watcher->events, std::vector<std::string>{"drawing 1 after 0"});
  EXPECT_EQ(drawn.size(), 2u);
}

TEST_F(VComboBoxTest, AnotherDrawItemHandlerReplacesThePainter) {
  auto* watcher = new THost(&host_);
  box->SetShowIcons(true);
  box->SetItemIcon(0, icon.get());
  box->OnDrawingItem = TDrawingItemEvent(watcher, &THost::DrawingItem);
  box->OnDrawItem = TDrawItemEvent(watcher, &THost::PaintItem);
  EXPECT_TRUE(Paint(0).empty());
  EXPECT_EQ(watcher->events, std::vector<std::string>{"paint 0"});
}

TEST_F(VComboBoxTest, TheFirstDropDownRemembersTheFontHeightForTheItems) {
  EXPECT_EQ(box->SavedFontHeight(), 0);
  Notify(*box, CBN_DROPDOWN);
  EXPECT_EQ(box->SavedFontHeight(), -11);
  EXPECT_EQ(box->Font()->Height(), box->Height());
  Notify(*box, CBN_DROPDOWN);
  EXPECT_EQ(box->SavedFontHeight(), -11);

  const auto text = Find(Paint(0), TDrawingKind::Text);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Font.Height, -11);
  EXPECT_EQ(text->At.Y, 1);

  // A font that differs again is remembered again.
  box->Font()->SetHeight(-13);
  Notify(*box, CBN_DROPDOWN);
  EXPECT_EQ(box->SavedFontHeight(), -13);
}

TEST_F(VComboBoxTest, HeightChangesOnlyWhileDesigned) {
  auto* designed = new TCountingBox(&host_);
  designed->SetParent(&host_);
  const TWindowHandle window = designed->Handle();
  designed->SetHeight(40);
  Windowing().SendTo(window, WM_SIZE, 0, std::intptr_t{30} << 16);
  EXPECT_EQ(designed->Height(), 24);
  EXPECT_EQ(designed->ItemHeight(), 16);
  EXPECT_EQ(designed->Handle(), window);
  EXPECT_TRUE(designed->refreshes.empty());

  designed->SetDesigning(true);
  designed->SetHeight(designed->Height());
  EXPECT_TRUE(designed->refreshes.empty());
  Windowing().SendTo(window, WM_SIZE, 0, std::intptr_t{30} << 16);
  EXPECT_EQ(designed->ItemHeight(), 24);
  EXPECT_EQ(designed->Style(), TComboBoxStyle::csOwnerDrawFixed);
  EXPECT_FALSE(designed->Sorted());
  EXPECT_NE(designed->Handle(), window) << "the window is made anew";
  EXPECT_EQ(designed->refreshes, std::vector<bool>{false});
  designed->SetHeight(20);
  EXPECT_EQ(designed->ItemHeight(), 14);
}

TEST_F(VComboBoxTest, FormDescriptionsAlwaysStoreTheLayoutButNeverTheStyle) {
  box->SetName("Box");
  const std::string written = WriteComponentDescription(host_);
  EXPECT_EQ(written.substr(written.find("  object Box")),
            "  object Box: TVComboBox\n"
            "    Left = 0\n"
            "    Top = 0\n"
            "    Width = 145\n"
            "    Height = 24\n"
            "    Font.Charset = 1\n"
            "    Font.Color = clWindowText\n"
            "    Font.Height = -11\n"
            "    Font.Name = 'MS Sans Serif'\n"
            "    Font.Size = 8\n"
            "    Font.Style = []\n"
            "    Hint = ''\n"
            "    ItemHeight = 16\n"
            "    Items.Strings = (\n"
            "      'Deutsch'\n"
            "      'Englisch')\n"
            "    Text = ''\n"
            "    AlignIcon = alLeft\n"
            "    AlignText = alLeft\n"
            "    IconMargin = 1\n"
            "    ShowIcons = False\n"
            "    ResizeIcon = False\n"
            "    TextMargin = 5\n"
            "  end\n"
            "end\n");

  box->SetAlignIcon(TOwnAlign::alRight);
  box->SetAlignText(TOwnAlign::alCenter);
  box->SetIconMargin(0);
  box->SetShowIcons(true);
  box->SetResizeIcon(true);
  box->SetTextMargin(9);
  box->SetColor(clAqua);
  box->SetVisible(true);
  THost copy(nullptr);
  ReadComponentDescription(copy, WriteComponentDescription(host_), "Host.qpf");
  const auto* read = dynamic_cast<TVComboBox*>(copy.FindComponent("Box"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->AlignIcon(), TOwnAlign::alRight);
  EXPECT_EQ(read->AlignText(), TOwnAlign::alCenter);
  EXPECT_EQ(read->IconMargin(), 0);
  EXPECT_TRUE(read->ShowIcons());
  EXPECT_TRUE(read->ResizeIcon());
  EXPECT_EQ(read->TextMargin(), 9);
  EXPECT_EQ(read->Color(), clAqua);
  EXPECT_TRUE(read->Visible());
  EXPECT_EQ(read->Style(), TComboBoxStyle::csOwnerDrawFixed);

  THost other(nullptr);
  EXPECT_THROW(ReadComponentDescription(other,
                                        "object Form: THost\n"
                                        "  object Box: TVComboBox\n"
                                        "    Style = csSimple\n"
                                        "  end\n"
                                        "end\n",
                                        "Form.qpf"),
               EFormError);
}

TEST_F(VComboBoxTest, ADescriptionRaisesOnLoadedAndMayBindItsOwnPainter) {
  THost form(nullptr);
  ReadComponentDescription(form,
                           "object Form: THost\n"
                           "  object Box: TVComboBox\n"
                           "    Height = 40\n"
                           "    Items.Strings = (\n"
                           "      'Deutsch')\n"
                           "    OnDrawingItem = DrawingItem\n"
                           "    OnDrawItem = PaintItem\n"
                           "    OnLoaded = BoxLoaded\n"
                           "  end\n"
                           "end\n",
                           "Form.qpf");
  // The box ends its loading state before it tells.
  EXPECT_EQ(form.events, std::vector<std::string>{"loaded done"});
  auto& read = dynamic_cast<TVComboBox&>(*form.FindComponent("Box"));
  EXPECT_EQ(read.Height(), 24) << "a stored height is ignored at run time";
  form.events.clear();
  EXPECT_TRUE(PaintOn(read, 0).empty());
  EXPECT_EQ(form.events, std::vector<std::string>{"paint 0"});
}

}  // namespace
}  // namespace qp
