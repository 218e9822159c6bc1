#include "components/TrayIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/Menus.h"
#include "platform/backends/headless/Shell.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/core/Describe.h"
#include "platform/ui/Application.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Menus.h"
#include "tests/platform/ui/TestIcons.h"

namespace qp {
namespace {

// Records the events of the icon under test.
class TEventLog : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TEventLog, TComponent>("TEventLog")
                                 .Method("Clicked", &TEventLog::Clicked)
                                 .Method("DoubleClicked", &TEventLog::DoubleClicked)
                                 .Method("RightClicked", &TEventLog::RightClicked)
                                 .Method("MenuClicked", &TEventLog::MenuClicked)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Clicked(TObject*) { events.push_back("click"); }
  void DoubleClicked(TObject*) { events.push_back("dblclick"); }
  void RightClicked(TObject*, TMouseButton button, TShiftState shift, std::int32_t x,
                    std::int32_t y) {
    events.push_back("right " + std::to_string(static_cast<int>(button)) + " " +
                     std::to_string(shift.Mask()) + " " + std::to_string(x) + "," +
                     std::to_string(y));
  }
  void MenuClicked(TObject*) { events.push_back("menu"); }

  std::vector<std::string> events;
};

// A 16x16 icon file with one 16-colour image.
std::unique_ptr<TIcon> MakeIcon() {
  std::vector<std::uint8_t> file{0, 0, 1, 0, 1, 0, 16, 16, 16, 0, 1, 0, 4, 0};
  const std::uint32_t imageSize = 40 + 64 + 128 + 64;
  for (int shift = 0; shift < 32; shift += 8)
    file.push_back((imageSize >> shift) & 0xFF);
  file.insert(file.end(), {22, 0, 0, 0});
  const std::uint8_t header[40] = {40, 0, 0, 0, 16, 0, 0, 0, 32, 0, 0, 0, 1, 0, 4, 0};
  file.insert(file.end(), header, header + 40);
  file.resize(file.size() + imageSize - 40, 0);
  return IconFromFile(file);
}

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessWindowing().Reset();
    HeadlessShell().Reset();
    HeadlessMenuService().Reset();
  }

  std::vector<std::uint32_t> ShellMessages() const {
    std::vector<std::uint32_t> messages;
    for (const auto& call : HeadlessShell().Calls())
      messages.push_back(call.Message);
    return messages;
  }

  void Notify(const TTrayIcon& icon, std::intptr_t mouseMessage) {
    Windowing().SendTo(icon.WindowHandle(), WM_TRAYNOTIFY, 0, mouseMessage);
  }

  TComponent form{nullptr};
  TEventLog* log = new TEventLog(&form);
};

TEST_F(TrayIconTest, FillsTheRecordAsTheShellExpectsIt) {
  auto* tray = new TTrayIcon(&form);
  tray->SetToolTip("Quietpane");
  tray->SetActive(true);
  const TNotifyIconData& data = HeadlessShell().Calls().back().Data;
  EXPECT_EQ(data.cbSize, sizeof(TNotifyIconData));
  if (sizeof(void*) == 4) {
    EXPECT_EQ(sizeof(TNotifyIconData), 88u);
  }
  EXPECT_EQ(data.hWnd, tray->WindowHandle());
  EXPECT_EQ(data.uID, 0u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 1025u);
  EXPECT_EQ(data.hIcon, 0u);
  EXPECT_STREQ(data.szTip, "Quietpane");
}

TEST_F(TrayIconTest, ToolTipsKeepTheirFirst62Characters) {
  struct Case {
    std::size_t Length;
    std::size_t Kept;
  };
  for (const Case c : {Case{0, 0}, Case{61, 61}, Case{62, 62}, Case{63, 62}, Case{200, 62}}) {
    TTrayIcon tray(&form);
    tray.SetToolTip(std::string(c.Length, 'x'));
    EXPECT_EQ(tray.ToolTip().size(), c.Kept);
    EXPECT_EQ(std::string(tray.IconData().szTip).size(), c.Kept);
  }
}

TEST_F(TrayIconTest, ActiveAddsAndDeletesOnlyOnChange) {
  auto* tray = new TTrayIcon(&form);
  tray->SetToolTip("tip");
  tray->SetActive(false);
  tray->SetActive(true);
  tray->SetActive(true);
  tray->SetActive(false);
  tray->SetActive(true);
  EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE, NIM_ADD}));
  EXPECT_EQ(HeadlessShell().IconCount(), 1u);
}

TEST_F(TrayIconTest, ChangesWhileInactiveWaitForTheNextAdd) {
  auto* tray = new TTrayIcon(&form);
  std::unique_ptr<TIcon> icon = MakeIcon();
  tray->SetIcon(icon.get());
  tray->SetToolTip("later");
  EXPECT_TRUE(HeadlessShell().Calls().empty());
  tray->SetActive(true);
  ASSERT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD}));
  EXPECT_NE(HeadlessShell().Calls()[0].Data.hIcon, 0u);
  EXPECT_STREQ(HeadlessShell().Calls()[0].Data.szTip, "later");
  tray->SetIcon(tray->Icon());
  EXPECT_EQ(HeadlessShell().Calls().size(), 1u);
}

TEST_F(TrayIconTest, AddingWithoutToolTipPostsOneRefresh) {
  auto* tray = new TTrayIcon(&form);
  tray->SetActive(true);
  EXPECT_EQ(HeadlessWindowing().PendingMessageCount(), 1u);
  tray->SetToolTip("arrived");
  HeadlessWindowing().ProcessPendingMessages();
  EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
  EXPECT_EQ(HeadlessWindowing().PendingMessageCount(), 0u);
  EXPECT_STREQ(HeadlessShell().Icon(tray->WindowHandle(), 0)->szTip, "arrived");
}

TEST_F(TrayIconTest, MouseReportsBecomeEvents) {
  auto* tray = new TTrayIcon(&form);
  tray->OnClick = TNotifyEvent(log, &TEventLog::Clicked);
  tray->OnDblClick = TNotifyEvent(log, &TEventLog::DoubleClicked);
  // A double-click as the shell reports it, then what raises nothing.
  for (std::intptr_t mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEMOVE,
                              WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK}) {
    Notify(*tray, mouse);
  }
  EXPECT_EQ(log->events, (std::vector<std::string>{"click", "dblclick", "click"}));
}

TEST_F(TrayIconTest, RightClickOpensTheMenuInFrontThenRaisesTheEvent) {
  auto* tray = new TTrayIcon(&form);
  auto* menu = new TPopupMenu(&form);
  auto* item = new TMenuItem(&form);
  item->SetCaption("Beenden");
  item->OnClick = TNotifyEvent(log, &TEventLog::MenuClicked);
  menu->Items()->Add(item);
  tray->PopupMenu = menu;
  tray->OnRightClick = TMouseEvent(log, &TEventLog::RightClicked);
  HeadlessWindowing().MoveCursor({700, 580});
  HeadlessMenuService().SetChooser([&](const TMenuItem& root, TPoint) { return root.Items(0); });

  Notify(*tray, WM_RBUTTONUP);

  ASSERT_EQ(HeadlessMenuService().Popups().size(), 1u);
  EXPECT_EQ(HeadlessMenuService().Popups()[0].At, (TPoint{700, 580}));
  EXPECT_EQ(HeadlessWindowing().Foreground(), Application().Handle());
  EXPECT_EQ(log->events, (std::vector<std::string>{"menu", "right 1 0 700,580"}));
}

TEST_F(TrayIconTest, RightClickWithoutMenuOnlyRaisesTheEvent) {
  auto* tray = new TTrayIcon(&form);
  Notify(*tray, WM_RBUTTONUP);
  tray->OnRightClick = TMouseEvent(log, &TEventLog::RightClicked);
  Notify(*tray, WM_RBUTTONUP);
  EXPECT_TRUE(HeadlessMenuService().Popups().empty());
  EXPECT_EQ(log->events.size(), 1u);
}

TEST_F(TrayIconTest, ForgetsAMenuThatIsFreedFirst) {
  auto* tray = new TTrayIcon(&form);
  tray->PopupMenu = new TPopupMenu(&form);
  delete tray->PopupMenu;
  EXPECT_EQ(tray->PopupMenu, nullptr);
  Notify(*tray, WM_RBUTTONUP);
  EXPECT_TRUE(HeadlessMenuService().Popups().empty());
}

TEST_F(TrayIconTest, ShowDesigningCountsOnlyWhileDesigning) {
  auto* running = new TTrayIcon(&form);
  running->SetShowDesigning(true);
  EXPECT_FALSE(running->ShowDesigning());

  TComponent designer(nullptr);
  designer.SetDesigning(true);
  auto* designed = new TTrayIcon(&designer);
  designed->SetActive(true);
  EXPECT_TRUE(HeadlessShell().Calls().empty());
  designed->SetShowDesigning(true);
  designed->SetShowDesigning(false);
  EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE}));
}

TEST_F(TrayIconTest, DestroyingRemovesAnActiveIconOnly) {
  auto* inactive = new TTrayIcon(&form);
  delete inactive;
  EXPECT_TRUE(HeadlessShell().Calls().empty());
  auto* active = new TTrayIcon(&form);
  active->SetToolTip("x");
  active->SetActive(true);
  const TWindowHandle window = active->WindowHandle();
  delete active;
  EXPECT_EQ(ShellMessages(), (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE}));
  EXPECT_EQ(HeadlessShell().IconCount(), 0u);
  EXPECT_FALSE(Windowing().IsWindowHandle(window));
}

TEST_F(TrayIconTest, ReentersARestartedShell) {
  auto* tray = new TTrayIcon(&form);
  tray->SetToolTip("back");
  tray->SetActive(true);
  auto* inactive = new TTrayIcon(&form);
  HeadlessShell().Restart();
  EXPECT_EQ(HeadlessShell().IconCount(), 1u);
  EXPECT_STREQ(HeadlessShell().Icon(tray->WindowHandle(), 0)->szTip, "back");
  EXPECT_EQ(HeadlessShell().Icon(inactive->WindowHandle(), 0), nullptr);
}

TEST_F(TrayIconTest, AFailingShellChangesNothing) {
  HeadlessShell().SetRunning(false);
  auto* tray = new TTrayIcon(&form);
  tray->SetToolTip("x");
  tray->SetActive(true);
  EXPECT_TRUE(tray->Active());
  EXPECT_EQ(HeadlessShell().Calls().size(), 1u);
  EXPECT_FALSE(HeadlessShell().Calls()[0].Accepted);
}

}  // namespace
}  // namespace qp
