#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ListBox.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

using Lines = std::vector<std::string>;

// A list box whose window keeps its lines and selection as the system's list box does.
class TWindowedListBox : public TListBox {
 public:
  using TListBox::TListBox;

  Lines WindowLines;
  std::intptr_t WindowSelection = -1;

 protected:
  void DefaultHandler(TMessage& message) override {
    switch (message.Msg) {
      case LB_RESETCONTENT:
        WindowLines.clear();
        WindowSelection = -1;
        break;
      case LB_ADDSTRING:
        WindowLines.emplace_back(reinterpret_cast<const char*>(message.LParam));
        break;
      case LB_SETCURSEL:
        WindowSelection = static_cast<std::intptr_t>(message.WParam);
        break;
      case LB_GETCURSEL:
        message.Result = WindowSelection;
        break;
      default:
        TListBox::DefaultHandler(message);
    }
  }
};

class ListBoxTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    box_.OnClick = clicks_.Handler();
    box_.Items()->SetText("Deutsch\nEnglisch\nFranz\xF6sisch\n");
  }

  TWindowedListBox box_{nullptr};
  TChangeCounter clicks_;
};

TEST_F(ListBoxTest, TheWindowGetsTheLinesAndSelectionMadeBeforeIt) {
  box_.SetItemIndex(2);
  EXPECT_EQ(box_.ItemIndex(), 2);
  box_.SetParent(&host_);
  const auto& window = WindowOf(box_);
  EXPECT_EQ(window.Params.WindowClass, "LISTBOX");
  // Without LBS_NOTIFY the system would not report the user's choice.
  EXPECT_EQ(window.Params.Style & 0x0001, 0x0001u);
  EXPECT_EQ(box_.WindowLines, (Lines{"Deutsch", "Englisch", "Franz\xF6sisch"}));
  EXPECT_EQ(box_.WindowSelection, 2);
  EXPECT_TRUE(clicks_.Senders.empty()) << "a selection by code is no click";
}

TEST_F(ListBoxTest, ChangesFollowTheWindowAndADeletedSelectionGoes) {
  box_.SetParent(&host_);
  box_.SetItemIndex(1);
  EXPECT_EQ(box_.WindowSelection, 1);
  box_.SetItemIndex(3);
  EXPECT_EQ(box_.ItemIndex(), -1);
  EXPECT_EQ(box_.WindowSelection, -1);

  box_.SetItemIndex(2);
  box_.Items()->Delete(2);
  EXPECT_EQ(box_.ItemIndex(), -1);
  EXPECT_EQ(box_.WindowLines, (Lines{"Deutsch", "Englisch"}));
  box_.Items()->Add("Italienisch");
  EXPECT_EQ(box_.WindowLines, (Lines{"Deutsch", "Englisch", "Italienisch"}));
}

TEST_F(ListBoxTest, TheUsersChoiceIsReadBackAndClicks) {
  struct Case {
    std::intptr_t Selected;
    std::int32_t ItemIndex;
  };
  // LB_ERR (-1) and answers past the lines select none.
  box_.SetParent(&host_);
  for (const Case c : {Case{1, 1}, Case{0, 0}, Case{-1, -1}, Case{7, -1}}) {
    box_.WindowSelection = c.Selected;
    clicks_.Senders.clear();
    Notify(box_, LBN_SELCHANGE);
    EXPECT_EQ(box_.ItemIndex(), c.ItemIndex) << c.Selected;
    EXPECT_EQ(clicks_.Senders, std::vector<TObject*>{&box_});
  }
  clicks_.Senders.clear();
  Notify(box_, 2);  // LBN_DBLCLK
  EXPECT_TRUE(clicks_.Senders.empty());
}

TEST_F(ListBoxTest, SortingSortsTheLinesAndMakesANewSortingWindow) {
  box_.Items()->SetText("b\nc\na\n");
  box_.SetParent(&host_);
  const TWindowHandle unsorted = box_.Handle();
  box_.SetSorted(true);
  EXPECT_EQ(box_.Items()->Text(), "a\r\nb\r\nc\r\n");
  EXPECT_NE(box_.Handle(), unsorted);
  EXPECT_FALSE(HeadlessWindowing().IsWindowHandle(unsorted));
  EXPECT_EQ(WindowOf(box_).Params.Style & 0x0002, 0x0002u);  // LBS_SORT
  EXPECT_EQ(box_.WindowLines, (Lines{"a", "b", "c"}));
}

}  // namespace
}  // namespace qp
