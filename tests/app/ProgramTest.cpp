#include "app/Program.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/AboutBox.h"
#include "app/MainForm.h"
#include "components/TrayIcon.h"
#include "platform/backends/headless/Help.h"
#include "platform/backends/headless/Menus.h"
#include "platform/backends/headless/Shell.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Panel.h"

namespace qp {
namespace {

using TShown = THeadlessMenuService::ShownItem;
using TDelivery = THeadlessWindowing::TDelivery;

TMenuItem* FindByCaption(const TMenuItem& parent, const std::string& caption) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (item->Caption() == caption) return item;
    if (TMenuItem* found = FindByCaption(*item, caption)) return found;
  }
  return nullptr;
}

// Runs the whole program on the headless window system. The user's actions run one at a time
// whenever the message loop (or a modal loop) has nothing left to do; with none left, the loop
// goes idle and the program ends as if quit.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessWindowing().Reset();
    HeadlessShell().Reset();
    HeadlessMenuService().Reset();
    HeadlessHelpViewer().Reset();
  }

  void TearDown() override {
    HeadlessWindowing().SetIdleHook(nullptr);
    if (MainForm != nullptr) RunQuietpaneLoop();
  }

  // Starts the program and runs its loop with these actions; answers the loop's exit code.
  int Run(std::deque<std::function<void()>> actions) {
    StartQuietpane();
    HeadlessWindowing().SetIdleHook([&actions] {
      if (actions.empty()) return false;
      const std::function<void()> action = std::move(actions.front());
      actions.pop_front();
      action();
      return true;
    });
    return RunQuietpaneLoop();
  }

  static void Notify(std::intptr_t mouseMessage) {
    Windowing().SendTo(MainForm->TrayIcon1->WindowHandle(), WM_TRAYNOTIFY, 0, mouseMessage);
  }

  // A right click on the icon, answered by choosing the item of that caption.
  static void ChooseFromMenu(const std::string& caption) {
    HeadlessMenuService().SetChooser(
        [caption](const TMenuItem& root, TPoint) { return FindByCaption(root, caption); });
    Notify(WM_RBUTTONUP);
  }

  // The button control tells its parent of the click, as the system does.
  static void ClickOk() {
    const TWindowHandle button = AboutBox->Button1->Handle();
    const std::uintptr_t id = HeadlessWindowing().Lookup(button)->Params.Id;
    Windowing().PostTo(AboutBox->Panel1->Handle(), WM_COMMAND, (BN_CLICKED << 16) | id,
                       static_cast<std::intptr_t>(button));
  }

  static std::vector<std::uint32_t> ShellMessages() {
    std::vector<std::uint32_t> messages;
    for (const auto& call : HeadlessShell().Calls())
      messages.push_back(call.Message);
    return messages;
  }

  static int ScreenSaverCommandsPosted() {
    int posted = 0;
    for (const auto& logged : HeadlessWindowing().MessageLog()) {
      posted += logged == THeadlessWindowing::LoggedMessage{MainForm->Handle(), WM_SYSCOMMAND,
                                                            SC_SCREENSAVE, 0, TDelivery::Posted};
    }
    return posted;
  }
};

TEST_F(ProgramTest, StartsWithTheIconAndNoWindowInSight) {
  StartQuietpane();
  TApplication& application = Application();
  ASSERT_NE(MainForm, nullptr);
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_EQ(application.MainForm(), MainForm);
  EXPECT_EQ(application.Title(), "Quietpane");
  EXPECT_EQ(application.HelpFile(), "quietpane_g.hlp");

  const auto& shows = HeadlessWindowing().ShowLog();
  ASSERT_FALSE(shows.empty());
  EXPECT_EQ(shows.front(), (THeadlessWindowing::ShowCall{application.Handle(), SW_HIDE, false}));
  EXPECT_FALSE(Windowing().IsWindowShown(application.Handle()));
  EXPECT_EQ(MainForm->Left(), -5000);
  EXPECT_EQ(shows.back(), (THeadlessWindowing::ShowCall{MainForm->Handle(), SW_HIDE, true}));
  EXPECT_FALSE(Windowing().IsWindowShown(AboutBox->Handle()));

  // The icon went in at once, empty, and was completed as the form was read.
  ASSERT_NE(MainForm->TrayIcon1, nullptr);
  EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_MODIFY}));
  const TNotifyIconData* shown = HeadlessShell().Icon(MainForm->TrayIcon1->WindowHandle(), 0);
  ASSERT_NE(shown, nullptr);
  EXPECT_STREQ(shown->szTip, "Quietpane");
  EXPECT_NE(shown->hIcon, 0u);
  EXPECT_EQ(MainForm->TrayIcon1->Icon()->Width(), 16);
  EXPECT_EQ(MainForm->TrayIcon1->PopupMenu, MainForm->PopupMenu1);

  // The loop shows the main form outside every screen and applies the tool-tip once more.
  HeadlessWindowing().SetIdleHook([] {
    const TRect bounds = HeadlessWindowing().Lookup(MainForm->Handle())->Params.Bounds;
    EXPECT_LE(bounds.Right, 0);
    EXPECT_FALSE(Windowing().IsWindowShown(Application().Handle()));
    EXPECT_FALSE(Windowing().IsWindowShown(AboutBox->Handle()));
    EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
    return false;
  });
  RunQuietpaneLoop();
}

TEST_F(ProgramTest, EveryClickAndDoubleClickOnTheIconStartsTheScreenSaver) {
  Run({
      [] {
        Notify(WM_LBUTTONUP);
        EXPECT_EQ(ScreenSaverCommandsPosted(), 1);
        // Posted: the screen saver starts only once the handler has returned.
        EXPECT_EQ(HeadlessWindowing().ScreenSaverStarts(), 0);
      },
      [] {
        EXPECT_EQ(HeadlessWindowing().ScreenSaverStarts(), 1);
        EXPECT_EQ(HeadlessWindowing().ScreenSaverWindow(), MainForm->Handle());
        // The shell reports a double-click as up, double-click, up.
        for (std::intptr_t mouseMessage : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
          Notify(mouseMessage);
        // Other mouse actions do nothing.
        for (std::intptr_t mouseMessage : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN})
          Notify(mouseMessage);
      },
      [] {
        EXPECT_EQ(ScreenSaverCommandsPosted(), 4);
        EXPECT_EQ(HeadlessWindowing().ScreenSaverStarts(), 4);
      },
  });
}

TEST_F(ProgramTest, TheMenuOffersTheCommandsAndItsDefaultItemStartsTheScreenSaver) {
  Run({
      [] {
        HeadlessWindowing().MoveCursor({700, 750});
        HeadlessMenuService().SetChooser([](const TMenuItem& root, TPoint) {
          return FindByCaption(root, "Bildschirmschoner zeigen");
        });
        Notify(WM_RBUTTONUP);
      },
      [] { EXPECT_EQ(HeadlessWindowing().ScreenSaverStarts(), 1); },
  });

  ASSERT_EQ(HeadlessMenuService().Popups().size(), 1u);
  const auto& popup = HeadlessMenuService().Popups().front();
  EXPECT_EQ(popup.At, (TPoint{700, 750}));
  EXPECT_EQ(popup.Foreground, Application().Handle());
  const TShown separator{"-", false, false, false, true, true, {}};
  const std::vector<TShown> expected{
      {"Bildschirmschoner zeigen", false, false, true, true, false, {}},
      separator,
      {"&Sprache",
       false,
       false,
       false,
       true,
       false,
       {{"Englisch", false, true, false, true, false, {}},
        {"Deutsch", true, true, false, true, false, {}}}},
      separator,
      {"Hilfe-Inhalt", false, false, false, true, false, {}},
      {"Information", false, false, false, true, false, {}},
      separator,
      {"Beenden", false, false, false, true, false, {}},
  };
  EXPECT_EQ(popup.Items, expected);
}

TEST_F(ProgramTest, InformationShowsTheAboutBoxUntilOk) {
  bool answered = false;
  Run({
      [] { ChooseFromMenu("Information"); },
      // Runs inside the about box's modal loop.
      [&answered] {
        ASSERT_TRUE(AboutBox->IsModal());
        EXPECT_TRUE(Windowing().IsWindowShown(AboutBox->Handle()));
        ClickOk();
        answered = true;
      },
      [] {
        EXPECT_FALSE(AboutBox->IsModal());
        EXPECT_FALSE(Windowing().IsWindowShown(AboutBox->Handle()));
        EXPECT_EQ(AboutBox->ModalResult(), 1);
      },
  });
  EXPECT_TRUE(answered);
}

TEST_F(ProgramTest, TheAboutBoxIsADialogWithTheProgramsNameAndIcon) {
  StartQuietpane();
  EXPECT_EQ(AboutBox->Caption(), "Information");
  EXPECT_EQ(AboutBox->BorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_TRUE(AboutBox->BorderIcons().Empty());
  EXPECT_EQ(AboutBox->ClientWidth(), 385);
  EXPECT_EQ(AboutBox->ClientHeight(), 281);
  ASSERT_NE(AboutBox->Label1, nullptr);
  EXPECT_EQ(AboutBox->Label1->Caption(), "Quietpane 1.0");
  ASSERT_NE(AboutBox->Image1, nullptr);
  EXPECT_EQ(AboutBox->Image1->Picture()->Width(), 32);
  ASSERT_NE(AboutBox->Button1, nullptr);
  EXPECT_EQ(AboutBox->Button1->Caption(), "OK");
  EXPECT_TRUE(AboutBox->Button1->Default());
  EXPECT_EQ(AboutBox->Button1->ModalResult(), 1);
  for (TComponent* field : std::initializer_list<TComponent*>{
           AboutBox->Panel1, AboutBox->Label2, MainForm->Bildschirmschonerzeigen1, MainForm->N1,
           MainForm->Information1, MainForm->N2, MainForm->Beenden1, MainForm->Sprache1,
           MainForm->N3, MainForm->HilfeInhalt1}) {
    EXPECT_NE(field, nullptr);
  }
}

TEST_F(ProgramTest, HelpContentsOpensTheGermanHelpFileOwnedByTheMainForm) {
  TWindowHandle mainWindow = 0;
  Run({[&mainWindow] {
    mainWindow = MainForm->Handle();
    ChooseFromMenu("Hilfe-Inhalt");
  }});
  EXPECT_EQ(HeadlessHelpViewer().Requests(),
            (std::vector<THeadlessHelpViewer::Request>{
                {mainWindow, "quietpane_g.hlp", HELP_CONTENTS, 0}}));
}

TEST_F(ProgramTest, QuittingEndsTheLoopWithZeroAndRemovesTheIcon) {
  TWindowHandle iconWindow = 0;
  const int exitCode = Run({[&iconWindow] {
    iconWindow = MainForm->TrayIcon1->WindowHandle();
    ChooseFromMenu("Beenden");
  }});
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(MainForm, nullptr);
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(ShellMessages().back(), NIM_DELETE);
  EXPECT_EQ(HeadlessShell().Icon(iconWindow, 0), nullptr);
  EXPECT_EQ(HeadlessShell().IconCount(), 0u);
}

}  // namespace
}  // namespace qp
