#include <gtest/gtest.h>

#include <vector>

#include "platform/core/Describe.h"
#include "platform/ui/Button.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panel.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

// Notes the modal result that the button's form has when OnClick runs.
class TClickProbe : public TObject {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TClickProbe, TObject>("TClickProbe").Method("Clicked", &TClickProbe::Clicked)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Clicked(TObject* /*sender*/) { Seen.push_back(Form->ModalResult()); }

  TForm* Form = nullptr;
  std::vector<TModalResult> Seen;
};

class ButtonTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    // The button sits on a panel, so its form is more than one parent up.
    panel_.SetParent(&form_);
    button_.SetParent(&panel_);
    form_.Handle();
    probe_.Form = &form_;
    button_.OnClick = TNotifyEvent(&probe_, &TClickProbe::Clicked);
  }

  TForm form_{nullptr};
  TPanel panel_{nullptr};
  TButton button_{nullptr};
  TClickProbe probe_;
};

TEST_F(ButtonTest, IsASystemButtonWhoseDefaultStyleFollowsTheProperty) {
  TButton ok(nullptr);
  ok.SetCaption("OK");
  ok.SetDefault(true);
  ok.SetParent(&panel_);
  const auto& window = WindowOf(ok);
  EXPECT_EQ(window.Params.WindowClass, "BUTTON");
  EXPECT_EQ(window.Params.Caption, "OK");
  EXPECT_EQ(window.Params.Style & 0xF, BS_DEFPUSHBUTTON);
  EXPECT_EQ(window.Params.Parent, panel_.Handle());

  ok.SetDefault(false);
  ok.SetDefault(false);
  EXPECT_EQ(SentWParams(ok.Handle(), BM_SETSTYLE), std::vector<std::uintptr_t>{BS_PUSHBUTTON});
}

TEST_F(ButtonTest, AClickSetsTheFormsModalResultBeforeOnClick) {
  struct Case {
    TModalResult Button;
    TModalResult Form;
  };
  // A button without a modal result leaves the form's alone.
  for (const Case c : {Case{1, 1}, Case{mrCancel, mrCancel}, Case{mrNone, 7}}) {
    form_.SetModalResult(7);
    probe_.Seen.clear();
    button_.SetModalResult(c.Button);
    Notify(button_, BN_CLICKED);
    EXPECT_EQ(form_.ModalResult(), c.Form) << c.Button;
    EXPECT_EQ(probe_.Seen, std::vector<TModalResult>{c.Form});
  }
}

TEST_F(ButtonTest, OnlyAClickNotificationClicks) {
  button_.SetModalResult(1);
  Notify(button_, 6);  // BN_SETFOCUS
  EXPECT_TRUE(probe_.Seen.empty());
  EXPECT_EQ(form_.ModalResult(), mrNone);
}

TEST_F(ButtonTest, WithoutAFormAClickOnlyRaisesOnClick) {
  TButton loose(nullptr);
  loose.SetParent(&host_);
  loose.SetModalResult(1);
  loose.OnClick = button_.OnClick;
  Notify(loose, BN_CLICKED);
  EXPECT_EQ(probe_.Seen, std::vector<TModalResult>{mrNone});
}

}  // namespace
}  // namespace qp
