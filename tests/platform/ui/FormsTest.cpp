#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/Dialogs.h"
#include "platform/backends/headless/Help.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/system/FormatSettings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/forms/FormResources.h"

namespace qp {
namespace {

// A form read from its description, with a handler the description binds.
class TSampleForm : public TForm {
 public:
  using TForm::TForm;
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TSampleForm, TForm>("TSampleForm").Method("FormCreate", &TSampleForm::FormCreate)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void FormCreate(TObject*) { createdWithButton = FindComponent("Button1") != nullptr; }
  bool createdWithButton = false;
};

class FormsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterStandardControls();
    RegisterFormResource("TSampleForm", R"(object SampleForm: TSampleForm
  Caption = 'Information'
  BorderIcons = []
  BorderStyle = bsDialog
  Position = poScreenCenter
  ClientWidth = 385
  ClientHeight = 281
  OnCreate = FormCreate
  object Button1: TButton
    Caption = 'OK'
    ModalResult = 1
  end
end
)");
  }
  void SetUp() override {
    HeadlessWindowing().Reset();
    HeadlessDialogs().Reset();
    HeadlessHelpViewer().Reset();
  }
};

TEST_F(FormsTest, ReadsItsDescriptionAfterConstructionThenRaisesOnCreate) {
  TComponent owner(nullptr);
  auto* form = CreateOwnedForm<TSampleForm>(&owner);
  EXPECT_TRUE(form->createdWithButton);
  EXPECT_EQ(form->Name(), "SampleForm");
  EXPECT_EQ(form->Caption(), "Information");
  EXPECT_EQ(form->ClientWidth(), 385);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->HandleAllocated());
}

TEST_F(FormsTest, WithoutBorderIconsTheWindowHasNoSystemMenu) {
  TComponent owner(nullptr);
  auto* form = CreateOwnedForm<TSampleForm>(&owner);
  const std::uint32_t style = HeadlessWindowing().Lookup(form->Handle())->Params.Style;
  EXPECT_EQ(style & 0x00080000, 0u);  // WS_SYSMENU
  EXPECT_NE(style & 0x00C00000, 0u);  // WS_CAPTION
}

TEST_F(FormsTest, ShowModalRunsUntilAButtonSetsTheResultAndCentresTheForm) {
  TComponent owner(nullptr);
  auto* form = CreateOwnedForm<TSampleForm>(&owner);
  auto* button = static_cast<TButton*>(form->FindComponent("Button1"));
  bool shownWhileModal = false;
  HeadlessWindowing().SetIdleHook([&] {
    shownWhileModal = Windowing().IsWindowShown(form->Handle());
    button->Click();
    return false;
  });
  EXPECT_EQ(form->ShowModal(), 1);
  EXPECT_TRUE(shownWhileModal);
  EXPECT_FALSE(form->Visible());
  const TRect screen = THeadlessWindowing::kScreenRect;
  EXPECT_EQ(form->Left(), (screen.Width() - form->Width()) / 2);
}

TEST_F(FormsTest, ReturnInAnyOfItsWindowsClicksTheDefaultButton) {
  for (const bool isDefault : {true, false}) {
    TComponent owner(nullptr);
    auto* form = CreateOwnedForm<TSampleForm>(&owner);
    auto* button = static_cast<TButton*>(form->FindComponent("Button1"));
    button->SetDefault(isDefault);
    HeadlessWindowing().SetIdleHook([&] {
      Windowing().SendTo(button->Handle(), WM_KEYDOWN, VK_RETURN, 0);
      if (form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
      return false;
    });
    EXPECT_EQ(form->ShowModal(), isDefault ? button->ModalResult() : mrCancel)
        << "default " << isDefault;
  }
}

TEST_F(FormsTest, ShowModalEndsWhenNothingMoreCanHappen) {
  TComponent owner(nullptr);
  auto* form = CreateOwnedForm<TSampleForm>(&owner);
  EXPECT_EQ(form->ShowModal(), mrNone);
}

TEST_F(FormsTest, TheApplicationRunsItsMainFormUntilQuitThenFreesTheForms) {
  TSampleForm* form = Application().CreateForm<TSampleForm>();
  EXPECT_EQ(Application().MainForm(), form);
  HeadlessWindowing().SetIdleHook([&] {
    EXPECT_TRUE(Windowing().IsWindowShown(form->Handle()));
    form->Close();
    return true;
  });
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_EQ(Application().ComponentCount(), 0);
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(FormsTest, HelpGoesToTheViewerOwnedByTheMainForm) {
  Application().SetHelpFile("");
  EXPECT_FALSE(Application().HelpCommand(3, 0));
  TSampleForm* form = Application().CreateForm<TSampleForm>();
  Application().SetHelpFile("quietpane_g.hlp");
  EXPECT_TRUE(Application().HelpCommand(3, 0));
  ASSERT_EQ(HeadlessHelpViewer().Requests().size(), 1u);
  EXPECT_EQ(HeadlessHelpViewer().Requests()[0].Owner, form->Handle());
  EXPECT_EQ(HeadlessHelpViewer().Requests()[0].File, "quietpane_g.hlp");
  EXPECT_EQ(HeadlessHelpViewer().Requests()[0].Command, 3u);
  delete form;
}

TEST_F(FormsTest, ErrorsInHandlersAreShownAndTheProgramGoesOn) {
  Application().SetTitle("Quietpane");
  Application().HandleException(EConvertError("'x' ist kein g\xFCltiger Integerwert"));
  ASSERT_EQ(HeadlessDialogs().Dialogs().size(), 1u);
  EXPECT_EQ(HeadlessDialogs().Dialogs()[0].Caption, "Fehler");
  EXPECT_EQ(Windowing().IsWindowHandle(Application().Handle()), true);
}

TEST_F(FormsTest, TheApplicationRereadsRegionalSettingsWhenTheSystemAnnouncesThem) {
  Application().Handle();
  FormatSettings().DecimalSeparator = '#';
  Windowing().SendTo(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
  EXPECT_NE(FormatSettings().DecimalSeparator, '#');
}

}  // namespace
}  // namespace qp
