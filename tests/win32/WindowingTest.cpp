#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "platform/ui/ws/Windowing.h"
#include "tests/win32/LoggedWindow.h"

#include <windows.h>

namespace qp {
namespace {

constexpr UINT TestMessage = WM_USER + 1;

HWND ToHwnd(TWindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

const TWindowHandle Broadcast = reinterpret_cast<TWindowHandle>(HWND_BROADCAST);

using TPosted = std::tuple<std::uint32_t, std::uintptr_t, std::intptr_t>;

std::vector<TPosted> Received(const TLoggedWindow& window, std::uint32_t first,
                              std::uint32_t last) {
  std::vector<TPosted> received;
  for (const TMessage& message : window.Within(first, last)) {
    received.emplace_back(message.Msg, message.WParam, message.LParam);
  }
  return received;
}

std::vector<TPosted> TestMessages(const TLoggedWindow& window) {
  return Received(window, TestMessage, TestMessage + 9);
}

TCreateParams FormParams() {
  TCreateParams params;
  params.Caption = "Form";
  params.Style = WS_OVERLAPPEDWINDOW;
  params.Bounds = TRect{10, 20, 310, 220};
  return params;
}

TEST(Windowing, UtilityWindowIsAHiddenTopLevelToolWindow) {
  const TLoggedWindow window;
  const HWND hwnd = ToHwnd(window.Handle());
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(Windowing().IsWindowShown(window.Handle()));
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_POPUP, WS_POPUP);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
}

TEST(Windowing, MessagesOfTheCreationGetTheSystemsDefaultHandling) {
  std::vector<std::uint32_t> received;
  const TWindowHandle window = Windowing().CreateWindowFor(
      FormParams(), [&received](TMessage& message) { received.push_back(message.Msg); });
  ASSERT_NE(window, 0u);
  EXPECT_EQ(std::count(received.begin(), received.end(), WM_NCCREATE), 0);
  EXPECT_EQ(std::count(received.begin(), received.end(), WM_CREATE), 0);
  Windowing().SetWindowCaption(window, "Form");
  EXPECT_EQ(std::count(received.begin(), received.end(), WM_SETTEXT), 1);
  Windowing().DestroyWindowHandle(window);
}

TEST(Windowing, PostedMessagesReachTheUtilityWindowThroughTheMessageLoop) {
  const TLoggedWindow window;
  EXPECT_TRUE(Windowing().PostTo(window.Handle(), TestMessage, 1, 2));
  EXPECT_TRUE(Windowing().PostTo(window.Handle(), TestMessage + 1, 3, -4));
  Windowing().PostQuit(3);
  EXPECT_EQ(Windowing().RunMessageLoop(), 3);
  EXPECT_EQ(TestMessages(window),
            (std::vector<TPosted>{{TestMessage, 1, 2}, {TestMessage + 1, 3, -4}}));
}

TEST(Windowing, ProcessingPendingMessagesLeavesTheQuitMessageForTheLoop) {
  const TLoggedWindow window;
  Windowing().PostTo(window.Handle(), TestMessage, 5, 6);
  Windowing().PostQuit(7);
  Windowing().ProcessPendingMessages();
  EXPECT_EQ(TestMessages(window), (std::vector<TPosted>{{TestMessage, 5, 6}}));
  EXPECT_EQ(Windowing().RunMessageLoop(), 7);
}

TEST(Windowing, ModalLoopsDispatchOneMessageAtATimeAndStopAtTheQuitMessage) {
  const TLoggedWindow window;
  Windowing().PostTo(window.Handle(), TestMessage, 1, 0);
  Windowing().PostTo(window.Handle(), TestMessage, 2, 0);
  Windowing().PostQuit(4);
  EXPECT_TRUE(Windowing().DispatchNextMessage());
  EXPECT_EQ(TestMessages(window), (std::vector<TPosted>{{TestMessage, 1, 0}}));
  EXPECT_TRUE(Windowing().DispatchNextMessage());
  EXPECT_FALSE(Windowing().DispatchNextMessage());
  EXPECT_EQ(Windowing().RunMessageLoop(), 4);
}

TEST(Windowing, BroadcastsReachTheUtilityWindow) {
  const UINT broadcast = RegisterWindowMessageA("QuietpaneTestBroadcast");
  const TLoggedWindow window;
  EXPECT_EQ(Windowing().SendTo(Broadcast, broadcast, 8, 9), 0);
  EXPECT_TRUE(Windowing().PostTo(Broadcast, broadcast, 10, 11));
  Windowing().ProcessPendingMessages();
  EXPECT_EQ(Received(window, broadcast, broadcast),
            (std::vector<TPosted>{{broadcast, 8, 9}, {broadcast, 10, 11}}));
}

TEST(Windowing, MessagesForADestroyedWindowAreDropped) {
  const TLoggedWindow window;
  Windowing().PostTo(window.Handle(), TestMessage, 0, 0);
  Windowing().DestroyWindowHandle(window.Handle());
  EXPECT_FALSE(Windowing().IsWindowHandle(window.Handle()));
  EXPECT_TRUE(window.Received(WM_NCDESTROY));
  EXPECT_FALSE(Windowing().PostTo(window.Handle(), TestMessage, 0, 0));
  EXPECT_FALSE(Windowing().PostTo(0, TestMessage, 0, 0));
  Windowing().ProcessPendingMessages();
  EXPECT_TRUE(TestMessages(window).empty());
}

TEST(Windowing, StandardControlsKeepTheirClassBehaviourAndDieWithTheirParent) {
  const TLoggedWindow form(FormParams());
  TCreateParams params;
  params.WindowClass = "LISTBOX";
  params.Style = WS_VISIBLE;
  params.Bounds = TRect{5, 5, 105, 105};
  params.Parent = form.Handle();
  params.Id = 42;
  const TLoggedWindow list(params);
  const HWND hwnd = ToHwnd(list.Handle());
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetParent(hwnd), ToHwnd(form.Handle()));
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD, WS_CHILD);
  EXPECT_EQ(GetDlgCtrlID(hwnd), 42);

  EXPECT_EQ(Windowing().SendTo(list.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Deutsch")),
            0);
  EXPECT_EQ(Windowing().SendTo(list.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("English")),
            1);
  EXPECT_EQ(Windowing().SendTo(list.Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_TRUE(list.Received(LB_ADDSTRING));

  Windowing().DestroyWindowHandle(form.Handle());
  EXPECT_FALSE(Windowing().IsWindowHandle(list.Handle()));
  EXPECT_TRUE(list.Received(WM_NCDESTROY));
}

TEST(Windowing, WindowStateFollowsTheCalls) {
  const TLoggedWindow form(FormParams());
  const HWND hwnd = ToHwnd(form.Handle());
  ASSERT_NE(hwnd, nullptr);
  char caption[32] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "Form");

  Windowing().SetWindowCaption(form.Handle(), "Einstellungen f\xFCr Quietpane");
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "Einstellungen f\xFCr Quietpane");

  Windowing().SetWindowBounds(form.Handle(), TRect{30, 40, 230, 190});
  RECT bounds{};
  GetWindowRect(hwnd, &bounds);
  EXPECT_EQ((std::vector<LONG>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
            (std::vector<LONG>{30, 40, 230, 190}));

  Windowing().ShowWindowHandle(form.Handle(), SW_SHOW, false);
  EXPECT_TRUE(Windowing().IsWindowShown(form.Handle()));
  Windowing().SetForeground(form.Handle());
  EXPECT_EQ(Windowing().ActiveWindow(), form.Handle());
  Windowing().ShowWindowHandle(form.Handle(), SW_HIDE, true);
  Windowing().ProcessPendingMessages();
  EXPECT_FALSE(Windowing().IsWindowShown(form.Handle()));

  Windowing().EnableWindowHandle(form.Handle(), false);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  Windowing().EnableWindowHandle(form.Handle(), true);
  EXPECT_TRUE(IsWindowEnabled(hwnd));
}

TEST(Windowing, InvalidatedWindowsArePainted) {
  TLoggedWindow form(FormParams());
  Windowing().ShowWindowHandle(form.Handle(), SW_SHOW, false);
  Windowing().ProcessPendingMessages();
  form.Forget();
  Windowing().InvalidateWindow(form.Handle());
  Windowing().ProcessPendingMessages();
  EXPECT_TRUE(form.Received(WM_PAINT));
}

TEST(Windowing, ScreenAndCursorPositionsAreTheSystemsOnes) {
  EXPECT_EQ(Windowing().ScreenRect(),
            (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  SetCursorPos(12, 34);
  EXPECT_EQ(Windowing().CursorPos(), (TPoint{12, 34}));
}

TEST(Windowing, ExceptionsOfAProcedureReachTheCallerOfTheLoopOrOfSendTo) {
  TWindowHandle window = 0;
  window = Windowing().CreateUtilityWindow([&window](TMessage& message) {
    if (message.Msg == TestMessage) throw std::runtime_error("kaputt");
    message.Result = Windowing().DefaultHandling(window, message);
  });
  ASSERT_NE(window, 0u);
  EXPECT_THROW(Windowing().SendTo(window, TestMessage, 0, 0), std::runtime_error);
  Windowing().PostTo(window, TestMessage, 0, 0);
  EXPECT_THROW(Windowing().ProcessPendingMessages(), std::runtime_error);
  Windowing().PostTo(window, TestMessage, 0, 0);
  EXPECT_THROW(Windowing().RunMessageLoop(), std::runtime_error);
  Windowing().PostQuit(0);
  EXPECT_EQ(Windowing().RunMessageLoop(), 0);
  Windowing().DestroyWindowHandle(window);
}

}  // namespace
}  // namespace qp
