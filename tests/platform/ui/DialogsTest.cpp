#include <gtest/gtest.h>

#include "platform/backends/headless/Dialogs.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"

namespace qp {
namespace {

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessDialogs().Reset();
    Screen().SetCursor(crDefault);
  }
};

TEST_F(DialogsTest, ModalDialogsAreCaptionedByTheirKind) {
  EXPECT_EQ(MessageDlg("Invalid language file (X.LAN)!", TMsgDlgType::mtWarning), mrOk);
  EXPECT_EQ(MessageDlg("kaputt", TMsgDlgType::mtError), mrOk);
  const auto& dialogs = HeadlessDialogs().Dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].Kind, TDialogKind::Warning);
  EXPECT_EQ(dialogs[0].Caption, "Warnung");
  EXPECT_EQ(dialogs[0].Text, "Invalid language file (X.LAN)!");
  EXPECT_EQ(dialogs[1].Caption, "Fehler");
}

TEST_F(DialogsTest, SimpleDialogsCarryTheProgramTitle) {
  SetDialogTitle("Quietpane");
  ShowMessage("Hallo");
  ASSERT_EQ(HeadlessDialogs().Dialogs().size(), 1u);
  EXPECT_EQ(HeadlessDialogs().Dialogs()[0].Kind, TDialogKind::Simple);
  EXPECT_EQ(HeadlessDialogs().Dialogs()[0].Caption, "Quietpane");
}

TEST_F(DialogsTest, TheScreenCursorReachesTheWindowSystem) {
  Screen().SetCursor(crHourGlass);
  EXPECT_EQ(Screen().Cursor(), crHourGlass);
  MessageDlg("x", TMsgDlgType::mtError);
  EXPECT_EQ(HeadlessDialogs().Dialogs()[0].CursorWhileShown, crHourGlass);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(HeadlessDialogs().Cursor(), crDefault);
}

}  // namespace
}  // namespace qp
