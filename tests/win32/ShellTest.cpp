#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "platform/ui/ws/Shell.h"
#include "platform/ui/ws/Windowing.h"
#include "tests/win32/LoggedWindow.h"

#include <windows.h>

namespace qp {
namespace {

class ShellTest : public ::testing::Test {
 protected:
  TNotifyIconData Icon(std::string_view tip) const {
    TNotifyIconData data;
    data.cbSize = sizeof data;
    data.hWnd = window_.Handle();
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER + 5;
    data.hIcon = reinterpret_cast<TIconHandle>(LoadIconA(nullptr, IDI_APPLICATION));
    tip.copy(data.szTip, sizeof data.szTip - 1);
    return data;
  }

  TLoggedWindow window_;
};

TEST_F(ShellTest, NotificationIconIsAddedModifiedAndRemoved) {
  EXPECT_TRUE(Shell().NotifyIcon(NIM_ADD, Icon("Quietpane")));
  EXPECT_TRUE(Shell().NotifyIcon(NIM_MODIFY, Icon("Quietpane: Deutsch")));
  EXPECT_TRUE(Shell().NotifyIcon(NIM_DELETE, Icon("")));
  EXPECT_FALSE(Shell().NotifyIcon(NIM_DELETE, Icon("")));
  EXPECT_FALSE(Shell().NotifyIcon(NIM_MODIFY, Icon("Quietpane")));
}

TEST_F(ShellTest, TipFillingTheWholeFieldIsCutToFit) {
  TNotifyIconData data = Icon("");
  std::fill(std::begin(data.szTip), std::end(data.szTip), 'x');
  EXPECT_TRUE(Shell().NotifyIcon(NIM_ADD, data));
  EXPECT_TRUE(Shell().NotifyIcon(NIM_DELETE, data));
}

TEST_F(ShellTest, TaskbarCreatedIsTheRegisteredMessageThatReachesUtilityWindows) {
  const std::uint32_t taskbarCreated = Shell().TaskbarCreatedMessage();
  EXPECT_EQ(taskbarCreated, RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_GE(taskbarCreated, 0xC000u);
  Windowing().SendTo(reinterpret_cast<TWindowHandle>(HWND_BROADCAST), taskbarCreated, 0, 0);
  EXPECT_TRUE(window_.Received(taskbarCreated));
}

}  // namespace
}  // namespace qp
