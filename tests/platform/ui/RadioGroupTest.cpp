#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Describe.h"
#include "platform/ui/Button.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/forms/FormReader.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

// Refills the group from its OnClick, as the adopting language engine does after a switch.
class TRefiller : public TObject {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TRefiller, TObject>("TRefiller").Method("Refill", &TRefiller::Refill)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  // Switches to the chosen language, unless it is the current one, and lists the languages anew.
  void Refill(TObject* sender) {
    auto& group = dynamic_cast<TRadioGroup&>(*sender);
    if (group.ItemIndex() < 0 || group.Items()->Strings(group.ItemIndex()) == Current) return;
    Current = group.Items()->Strings(group.ItemIndex());
    group.Items()->Clear();
    group.Items()->SetText("Deutsch\nEnglisch\nFranz\xF6sisch\n");
    group.SetItemIndex(group.Items()->IndexOf(Current));
  }

  std::string Current;
};

class RadioGroupTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    group_.SetParent(&host_);
    group_.SetBounds(10, 10, 210, 95);
    group_.Items()->SetText("Deutsch\nEnglisch\nFranz\xF6sisch\n");
    group_.OnClick = clicks_.Handler();
  }

  TWinControl& Button(int index) const {
    return dynamic_cast<TWinControl&>(*group_.Controls(index));
  }

  // The check state last sent to each button's window, or -1 when none was sent.
  std::vector<std::intptr_t> Checks() const {
    std::vector<std::intptr_t> checks;
    for (int i = 0; i < group_.ControlCount(); ++i) {
      const auto sent = SentWParams(Button(i).Handle(), BM_SETCHECK);
      checks.push_back(sent.empty() ? -1 : static_cast<std::intptr_t>(sent.back()));
    }
    return checks;
  }

  TRadioGroup group_{nullptr};
  TChangeCounter clicks_;
};

TEST_F(RadioGroupTest, ARadioButtonWindowPerLineFillsTheColumnsTopDown) {
  group_.SetColumns(2);
  group_.Handle();
  ASSERT_EQ(group_.ControlCount(), 3);
  // Headless text is 13 pixels high; columns (210 - 10) / 2 wide, rows (95 - 13 - 5) / 2 high.
  const std::vector<TRect> bounds = {{8, 13, 100, 51}, {8, 51, 100, 89}, {108, 13, 200, 51}};
  const std::vector<std::string> captions = {"Deutsch", "Englisch", "Franz\xF6sisch"};
  for (int i = 0; i < 3; ++i) {
    const auto& window = WindowOf(Button(i));
    EXPECT_EQ(window.Params.WindowClass, "BUTTON");
    EXPECT_EQ(window.Params.Style & 0xF, BS_RADIOBUTTON);
    EXPECT_EQ(window.Params.Parent, group_.Handle());
    EXPECT_EQ(window.Params.Caption, captions[i]);
    EXPECT_EQ(window.Params.Bounds, bounds[i]) << i;
  }

  group_.SetColumns(0);
  EXPECT_EQ(group_.Columns(), 1);
  EXPECT_EQ(WindowOf(Button(2)).Params.Bounds, (TRect{8, 63, 200, 88}));
  group_.SetHeight(120);
  EXPECT_EQ(WindowOf(Button(2)).Params.Bounds, (TRect{8, 81, 200, 115}));
}

TEST_F(RadioGroupTest, ChoosingByCodeChecksTheButtonAndClicksOnEveryChange) {
  group_.SetItemIndex(1);
  EXPECT_EQ(clicks_.Senders, std::vector<TObject*>{&group_});
  group_.Handle();
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, BST_CHECKED, -1}));

  group_.SetItemIndex(2);
  group_.SetItemIndex(2);
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, BST_UNCHECKED, BST_CHECKED}));
  EXPECT_EQ(clicks_.Senders.size(), 2u);

  group_.SetItemIndex(3);
  EXPECT_EQ(group_.ItemIndex(), -1);
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, BST_UNCHECKED, BST_UNCHECKED}));
  EXPECT_EQ(clicks_.Senders.size(), 3u);
}

TEST_F(RadioGroupTest, TheUsersClickOnAButtonChoosesItsLine) {
  group_.Handle();
  Notify(Button(2), BN_CLICKED);
  EXPECT_EQ(group_.ItemIndex(), 2);
  EXPECT_EQ(clicks_.Senders, std::vector<TObject*>{&group_});
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, -1, BST_CHECKED}));

  Notify(Button(2), BN_CLICKED);
  Notify(Button(1), 6);  // BN_SETFOCUS
  EXPECT_EQ(group_.ItemIndex(), 2);
  EXPECT_EQ(clicks_.Senders.size(), 1u);
}

TEST_F(RadioGroupTest, TheClickedButtonMayGoWhileItsClickIsHandled) {
  TRefiller refiller;
  group_.OnClick = TNotifyEvent(&refiller, &TRefiller::Refill);
  refiller.Current = "Deutsch";
  Notify(Button(1), BN_CLICKED);
  EXPECT_EQ(refiller.Current, "Englisch");
  EXPECT_EQ(group_.ItemIndex(), 1);
  ASSERT_EQ(group_.ControlCount(), 3);
  EXPECT_EQ(WindowOf(Button(1)).Params.Caption, "Englisch");
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, BST_CHECKED, -1}));
}

TEST_F(RadioGroupTest, NewLinesMakeNewButtonsAndADeletedChoiceGoesWithoutAClick) {
  group_.Handle();
  group_.SetItemIndex(2);
  clicks_.Senders.clear();
  group_.Items()->Delete(2);
  EXPECT_EQ(group_.ItemIndex(), -1);
  EXPECT_TRUE(clicks_.Senders.empty());
  ASSERT_EQ(group_.ControlCount(), 2);
  EXPECT_TRUE(Button(1).HandleAllocated());

  group_.SetItemIndex(1);
  group_.Items()->Add("Italienisch");
  ASSERT_EQ(group_.ControlCount(), 3);
  EXPECT_EQ(WindowOf(Button(2)).Params.Caption, "Italienisch");
  EXPECT_EQ(Checks(), (std::vector<std::intptr_t>{-1, BST_CHECKED, -1}));
}

TEST_F(RadioGroupTest, AFormDescriptionMayGiveTheIndexBeforeTheLines) {
  RegisterStandardControls();
  struct Case {
    std::string Index;
    std::int32_t Expected;
  };
  for (const Case& c : {Case{"1", 1}, Case{"2", -1}, Case{"-7", -1}}) {
    TWinControl host(nullptr);
    ReadComponentDescription(host,
                             "object Host: TWinControl\n"
                             "  object Group: TRadioGroup\n"
                             "    ItemIndex = " +
                                 c.Index +
                                 "\n"
                                 "    Items.Strings = (\n"
                                 "      'Deutsch'\n"
                                 "      'Englisch')\n"
                                 "  end\n"
                                 "end\n",
                             "Host.qpf");
    const auto* group = dynamic_cast<TRadioGroup*>(host.FindComponent("Group"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), c.Expected) << c.Index;
    EXPECT_EQ(group->ControlCount(), 2);
  }
}

}  // namespace
}  // namespace qp
