#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backends/headless/Shell.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

constexpr TWindowHandle kWindow = 5;
constexpr std::uint32_t kCallback = WM_USER + 3;

TNotifyIconData Record(std::uint32_t flags, TIconHandle icon, const char* tip,
                       std::uint32_t id = 1) {
  TNotifyIconData data;
  data.cbSize = 88;
  data.hWnd = kWindow;
  data.uID = id;
  data.uFlags = flags;
  data.uCallbackMessage = kCallback;
  data.hIcon = icon;
  std::string_view(tip).copy(data.szTip, sizeof data.szTip - 1);
  return data;
}

std::string Tip(const TNotifyIconData& data) {
  return std::string(std::begin(data.szTip),
                     std::find(std::begin(data.szTip), std::end(data.szTip), '\0'));
}

class HeadlessShellTest : public ::testing::Test {
 protected:
  void SetUp() override { shell.Reset(); }
  void TearDown() override { shell.Reset(); }

  THeadlessShell& shell = HeadlessShell();
};

TEST_F(HeadlessShellTest, IconsAreAddedModifiedFieldByFieldAndDeleted) {
  EXPECT_TRUE(shell.NotifyIcon(NIM_ADD, Record(NIF_MESSAGE | NIF_ICON | NIF_TIP, 10, "Quietpane")));
  const TNotifyIconData* icon = shell.Icon(kWindow, 1);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->uCallbackMessage, kCallback);
  EXPECT_EQ(icon->hIcon, 10u);
  EXPECT_EQ(Tip(*icon), "Quietpane");

  // Only the tip is named: the icon stays as it was.
  EXPECT_TRUE(shell.NotifyIcon(NIM_MODIFY, Record(NIF_TIP, 0, "Deutsch")));
  icon = shell.Icon(kWindow, 1);
  EXPECT_EQ(icon->hIcon, 10u);
  EXPECT_EQ(Tip(*icon), "Deutsch");
  EXPECT_TRUE(shell.NotifyIcon(NIM_MODIFY, Record(NIF_ICON, 11, "")));
  EXPECT_EQ(shell.Icon(kWindow, 1)->hIcon, 11u);
  EXPECT_EQ(Tip(*shell.Icon(kWindow, 1)), "Deutsch");

  EXPECT_TRUE(shell.NotifyIcon(NIM_ADD, Record(NIF_ICON, 12, "", 2)));
  EXPECT_EQ(shell.IconCount(), 2u);
  EXPECT_EQ(shell.Icon(kWindow, 2)->uFlags, NIF_ICON);
  EXPECT_TRUE(shell.NotifyIcon(NIM_DELETE, Record(0, 0, "")));
  EXPECT_EQ(shell.Icon(kWindow, 1), nullptr);
  EXPECT_EQ(shell.IconCount(), 1u);
}

TEST_F(HeadlessShellTest, CallsTheRealShellRefusesAnswerFalseAndChangeNothing) {
  ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, Record(NIF_ICON | NIF_TIP, 10, "da")));
  struct Case {
    const char* Name;
    std::uint32_t Message;
    std::uint32_t Id;
  };
  const Case cases[] = {{"add of an icon that is there", NIM_ADD, 1},
                        {"modify of a missing icon", NIM_MODIFY, 2},
                        {"delete of a missing icon", NIM_DELETE, 2},
                        {"unknown message", 3, 1}};
  for (const Case& c : cases) {
    EXPECT_FALSE(shell.NotifyIcon(c.Message, Record(NIF_ICON | NIF_TIP, 99, "neu", c.Id)))
        << c.Name;
  }
  ASSERT_EQ(shell.IconCount(), 1u);
  EXPECT_EQ(shell.Icon(kWindow, 1)->hIcon, 10u);
  EXPECT_EQ(Tip(*shell.Icon(kWindow, 1)), "da");
}

TEST_F(HeadlessShellTest, EveryCallIsLoggedWithACopyOfItsRecord) {
  TNotifyIconData data = Record(NIF_MESSAGE | NIF_TIP, 10, "erst");
  shell.NotifyIcon(NIM_ADD, data);
  std::strcpy(data.szTip, "danach");
  data.cbSize = 1;
  shell.NotifyIcon(NIM_ADD, data);
  const auto& calls = shell.Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Message, NIM_ADD);
  EXPECT_TRUE(calls[0].Accepted);
  EXPECT_EQ(calls[0].Data.cbSize, 88u);
  EXPECT_EQ(calls[0].Data.uFlags, NIF_MESSAGE | NIF_TIP);
  EXPECT_EQ(calls[0].Data.hIcon, 10u);
  EXPECT_EQ(Tip(calls[0].Data), "erst");
  EXPECT_FALSE(calls[1].Accepted);
  EXPECT_EQ(calls[1].Data.cbSize, 1u);
  EXPECT_EQ(Tip(calls[1].Data), "danach");
}

TEST_F(HeadlessShellTest, AFullTipLosesItsLastCharacterInTheNotificationArea) {
  TNotifyIconData data = Record(NIF_TIP, 0, "");
  std::memset(data.szTip, 'x', sizeof data.szTip);
  ASSERT_TRUE(shell.NotifyIcon(NIM_ADD, data));
  EXPECT_EQ(Tip(*shell.Icon(kWindow, 1)), std::string(63, 'x'));
  EXPECT_EQ(shell.Calls()[0].Data.szTip[63], 'x');
}

TEST_F(HeadlessShellTest, WithoutAShellEveryCallFails) {
  shell.SetRunning(false);
  EXPECT_FALSE(shell.NotifyIcon(NIM_ADD, Record(NIF_ICON, 10, "")));
  EXPECT_FALSE(shell.NotifyIcon(NIM_DELETE, Record(0, 0, "")));
  EXPECT_EQ(shell.IconCount(), 0u);
  EXPECT_EQ(shell.Calls().size(), 2u);
  shell.SetRunning(true);
  EXPECT_TRUE(shell.NotifyIcon(NIM_ADD, Record(NIF_ICON, 10, "")));
}

TEST_F(HeadlessShellTest, ARestartedShellForgetsItsIconsAndTellsTheTopLevelWindows) {
  THeadlessWindowing& ws = HeadlessWindowing();
  ws.Reset();
  std::vector<std::uint32_t> received;
  const TWindowHandle form =
      ws.CreateWindowFor({}, [&](TMessage& message) { received.push_back(message.Msg); });
  TCreateParams child;
  child.Parent = form;
  ws.CreateWindowFor(child, [&](TMessage&) { ADD_FAILURE() << "a child got the broadcast"; });
  shell.NotifyIcon(NIM_ADD, Record(NIF_ICON, 10, ""));
  shell.SetRunning(false);

  shell.Restart();
  EXPECT_EQ(shell.IconCount(), 0u);
  EXPECT_EQ(received, std::vector<std::uint32_t>{shell.TaskbarCreatedMessage()});
  EXPECT_GE(shell.TaskbarCreatedMessage(), 0xC000u);
  EXPECT_TRUE(shell.NotifyIcon(NIM_ADD, Record(NIF_ICON, 10, "")));
  ws.Reset();
}

}  // namespace
}  // namespace qp
