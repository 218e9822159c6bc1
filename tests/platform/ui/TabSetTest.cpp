#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/StandardControls.h"
#include "platform/ui/TabSet.h"
#include "platform/ui/forms/FormReader.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

class TabSetTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    tabs_.SetParent(&host_);
    tabs_.Tabs()->SetText("Deutsch\nEN\n");
    tabs_.OnClick = clicks_.Handler();
  }

  void ClickAt(std::int32_t x, std::int32_t y) {
    Windowing().SendTo(tabs_.Handle(), WM_LBUTTONDOWN, 0x0001, (y << 16) | x);
  }

  TTabSet tabs_{nullptr};
  TChangeCounter clicks_;
};

TEST_F(TabSetTest, TabsSitSideBySideAsWideAsTheirText) {
  // Headless characters are 6 pixels wide; each tab adds 6 on either side.
  EXPECT_EQ(tabs_.ItemRect(0), (TRect{5, 0, 59, 21}));
  EXPECT_EQ(tabs_.ItemRect(1), (TRect{59, 0, 83, 21}));
  EXPECT_EQ(tabs_.ItemRect(2), TRect{});
  EXPECT_EQ(tabs_.ItemRect(-1), TRect{});
  struct Case {
    TPoint At;
    std::int32_t Tab;
  };
  for (const Case c :
       {Case{{5, 0}, 0}, Case{{58, 20}, 0}, Case{{59, 10}, 1}, Case{{82, 10}, 1}, Case{{4, 10}, -1},
        Case{{83, 10}, -1}, Case{{30, 21}, -1}, Case{{30, -1}, -1}}) {
    EXPECT_EQ(tabs_.ItemAtPos(c.At), c.Tab) << c.At.X << "," << c.At.Y;
  }
}

TEST_F(TabSetTest, TheTabIndexClicksWhenItChangesByCode) {
  tabs_.SetTabIndex(1);
  tabs_.SetTabIndex(1);
  EXPECT_EQ(clicks_.Senders, std::vector<TObject*>{&tabs_});
  tabs_.SetTabIndex(2);
  EXPECT_EQ(tabs_.TabIndex(), -1);
  EXPECT_EQ(clicks_.Senders.size(), 2u);

  tabs_.SetTabIndex(1);
  clicks_.Senders.clear();
  tabs_.Tabs()->Delete(1);
  EXPECT_EQ(tabs_.TabIndex(), -1);
  EXPECT_TRUE(clicks_.Senders.empty()) << "a deleted tab is no click";
}

TEST_F(TabSetTest, AClickOnATabSelectsItAndClicks) {
  ClickAt(60, 5);
  EXPECT_EQ(tabs_.TabIndex(), 1);
  EXPECT_EQ(clicks_.Senders, std::vector<TObject*>{&tabs_});
  ClickAt(70, 5);
  ClickAt(100, 5);
  EXPECT_EQ(tabs_.TabIndex(), 1);
  EXPECT_EQ(clicks_.Senders.size(), 1u);
}

TEST_F(TabSetTest, AFormDescriptionMayGiveTheIndexBeforeTheTabs) {
  RegisterStandardControls();
  TWinControl host(nullptr);
  ReadComponentDescription(host,
                           "object Host: TWinControl\n"
                           "  object Tabs: TTabSet\n"
                           "    TabIndex = 1\n"
                           "    Tabs.Strings = (\n"
                           "      'Deutsch'\n"
                           "      'Englisch')\n"
                           "  end\n"
                           "end\n",
                           "Host.qpf");
  const auto* tabs = dynamic_cast<TTabSet*>(host.FindComponent("Tabs"));
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->TabIndex(), 1);
}

}  // namespace
}  // namespace qp
