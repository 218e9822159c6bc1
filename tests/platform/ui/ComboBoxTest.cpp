#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Describe.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/StdCtrls.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

// Records what the box under test raises.
class TComboWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TComboWatcher, TComponent>("TComboWatcher")
                                 .Method("Clicked", &TComboWatcher::Clicked)
                                 .Method("Changed", &TComboWatcher::Changed)
                                 .Method("DrawItem", &TComboWatcher::DrawItem)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Clicked(TObject*) { events.push_back("click"); }
  void Changed(TObject*) { events.push_back("change"); }
  void DrawItem(TWinControl* control, std::int32_t index, TRect rect, TOwnerDrawState state) {
    auto* box = static_cast<TCustomComboBox*>(control);
    events.push_back("draw " + std::to_string(index) + " " + std::to_string(rect.Right) + " " +
                     std::to_string(state.Mask()) + " brush " +
                     std::to_string(box->Canvas()->Brush()->Color()));
  }

  std::vector<std::string> events;
};

class ComboBoxTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    box->SetParent(&host_);
    box->Items()->Add("Deutsch");
    box->Items()->Add("Englisch");
  }

  // What the system sends the parent to have item index painted.
  void Paint(std::int32_t index, std::uint32_t state) {
    TDrawItemStruct item{};
    item.CtlType = 3;
    item.itemID = static_cast<std::uint32_t>(index);
    item.itemState = state;
    item.hwndItem = box->Handle();
    item.hDC = kDC;
    item.rcItem[2] = 145;
    item.rcItem[3] = 16;
    Windowing().SendTo(host_.Handle(), WM_DRAWITEM, 0, reinterpret_cast<std::intptr_t>(&item));
  }

  static constexpr TDeviceContext kDC = 0x77;
  TCustomComboBox* box = new TComboBox(&host_);
  TComboWatcher* watcher = new TComboWatcher(&host_);
};

TEST_F(ComboBoxTest, StylesMakeTheirCreationParameters) {
  struct Case {
    TComboBoxStyle Style;
    bool Sorted;
    std::uint32_t LowBits;
  };
  const Case cases[] = {
      {TComboBoxStyle::csDropDown, false, 0x0042},
      {TComboBoxStyle::csDropDownList, false, 0x0043},
      {TComboBoxStyle::csOwnerDrawFixed, false, 0x0053},
      {TComboBoxStyle::csOwnerDrawFixed, true, 0x0153},
  };
  for (const Case& c : cases) {
    box->SetStyle(c.Style);
    box->SetSorted(c.Sorted);
    const TCreateParams& params = WindowOf(*box).Params;
    EXPECT_EQ(params.WindowClass, "COMBOBOX");
    EXPECT_EQ(params.Style & 0xFFFF, c.LowBits | 0x200) << static_cast<int>(c.Style);
    EXPECT_NE(params.Style & 0x00200000, 0u);
  }
}

TEST_F(ComboBoxTest, ADropDownWindowLeavesRoomForTheOpenList) {
  box->SetBounds(10, 20, 100, 24);
  box->SetItemHeight(16);
  box->SetDropDownCount(4);
  box->RecreateWnd();
  EXPECT_EQ(WindowOf(*box).Params.Bounds, (TRect{10, 20, 110, 20 + 24 + 4 * 16 + 2}));
  box->SetTop(30);
  EXPECT_EQ(WindowOf(*box).Params.Bounds, (TRect{10, 30, 110, 30 + 24 + 4 * 16 + 2}));
  EXPECT_EQ(box->Height(), 24);

  box->SetStyle(TComboBoxStyle::csSimple);
  EXPECT_EQ(WindowOf(*box).Params.Bounds, (TRect{10, 30, 110, 54})) << "a list always open";
}

TEST_F(ComboBoxTest, ChangingSortedCreatesTheWindowAnew) {
  const TWindowHandle before = box->Handle();
  box->SetSorted(true);
  EXPECT_NE(box->Handle(), before);
  EXPECT_FALSE(Windowing().IsWindowHandle(before));
}

TEST_F(ComboBoxTest, MirrorsItemsAndSelectionIntoANewWindow) {
  box->SetItemIndex(1);
  box->RecreateWnd();
  const TWindowHandle window = box->Handle();
  EXPECT_EQ(SentWParams(window, CB_ADDSTRING).size(), 2u);
  EXPECT_EQ(SentWParams(window, CB_SETCURSEL), (std::vector<std::uintptr_t>{1}));
  box->Items()->Add(
      "Fran\xE7"
      "ais");
  EXPECT_EQ(SentWParams(window, CB_ADDSTRING).size(), 5u);
}

TEST_F(ComboBoxTest, SelectionIsKeptWithoutAWindow) {
  TComboBox loose(nullptr);
  loose.SetStyle(TComboBoxStyle::csDropDownList);
  loose.Items()->Add("a");
  loose.Items()->Add("b");
  loose.SetText("B");
  EXPECT_EQ(loose.ItemIndex(), 1);
  EXPECT_EQ(loose.Text(), "b");
  loose.SetText("c");
  EXPECT_EQ(loose.ItemIndex(), 1);
  loose.SetItemIndex(5);
  EXPECT_EQ(loose.ItemIndex(), -1);
  EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(ComboBoxTest, ASelectionByTheUserRaisesClickThenChange) {
  box->OnClick = TNotifyEvent(watcher, &TComboWatcher::Clicked);
  box->OnChange = TNotifyEvent(watcher, &TComboWatcher::Changed);
  Notify(*box, CBN_SELCHANGE);
  // The tests' window system answers every question with 0: the first item.
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(watcher->events, (std::vector<std::string>{"click", "change"}));
}

TEST_F(ComboBoxTest, PaintsASelectedItemInHighlightColoursWithoutHandler) {
  box->SetColor(clWindow);
  Paint(1, ODS_SELECTED | ODS_FOCUS);
  const auto drawn = HeadlessGraphics().DrawingsOn(kDC);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(drawn[0].Color, clHighlight);
  EXPECT_EQ(drawn[1].Kind, TDrawingKind::Text);
  EXPECT_EQ(drawn[1].Text, "Englisch");
  EXPECT_EQ(drawn[1].At, (TPoint{2, 0}));
  EXPECT_EQ(drawn[1].Color, clHighlightText);
  EXPECT_EQ(drawn[2].Kind, TDrawingKind::FocusRect);
  EXPECT_EQ(box->Canvas()->Handle(), 0u);
}

TEST_F(ComboBoxTest, TheHandlerReplacesThePaintingAndAnEmptyListIsFilled) {
  box->OnDrawItem = TDrawItemEvent(watcher, &TComboWatcher::DrawItem);
  box->SetColor(clAqua);
  Paint(0, 0);
  Paint(-1, 0);
  EXPECT_EQ(watcher->events,
            (std::vector<std::string>{"draw 0 145 0 brush " + std::to_string(clAqua)}));
  const auto drawn = HeadlessGraphics().DrawingsOn(kDC);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Kind, TDrawingKind::FillRect);
  EXPECT_EQ(drawn[0].Color, clAqua);
}

TEST_F(ComboBoxTest, AnswersTheItemHeightQuery) {
  box->SetItemHeight(0);
  box->SetItemHeight(20);
  TMeasureItemStruct item{};
  item.CtlID = static_cast<std::uint32_t>(WindowOf(*box).Params.Id);
  Windowing().SendTo(host_.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<std::intptr_t>(&item));
  EXPECT_EQ(item.itemHeight, 20u);
}

}  // namespace
}  // namespace qp
