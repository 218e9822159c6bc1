#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/backends/headless/Windowing.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

constexpr std::uint32_t kPing = WM_USER + 1;
constexpr std::uint32_t kPong = WM_USER + 2;

using Delivery = std::pair<std::string, std::uint32_t>;
using Trace = std::vector<Delivery>;
using enum THeadlessWindowing::TDelivery;

// Windows named by the test that note every message reaching them in one trace.
class HeadlessWindowingTest : public ::testing::Test {
 protected:
  void SetUp() override { ws.Reset(); }
  void TearDown() override { ws.Reset(); }

  TWindowHandle Create(const std::string& name, TWindowHandle parent = 0, std::uint32_t style = 0) {
    TCreateParams params;
    params.Caption = name;
    params.Parent = parent;
    params.Style = style;
    return ws.CreateWindowFor(params, Recorder(name));
  }

  TWindowProc Recorder(const std::string& name) {
    return [this, name](TMessage& message) { trace.emplace_back(name, message.Msg); };
  }

  THeadlessWindowing& ws = HeadlessWindowing();
  Trace trace;
};

TEST_F(HeadlessWindowingTest, HandlesAreSmallNeverZeroAndNeverUsedTwice) {
  const TWindowHandle first = Create("a");
  const TWindowHandle second = ws.CreateUtilityWindow(Recorder("u"));
  EXPECT_NE(first, 0u);
  EXPECT_LT(first, HWND_BROADCAST);
  EXPECT_GT(second, first);
  ws.DestroyWindowHandle(first);
  EXPECT_FALSE(ws.IsWindowHandle(first));
  ws.Reset();
  EXPECT_GT(Create("b"), second);
  EXPECT_EQ(Create("orphan", first), 0u) << "the parent is gone";
}

TEST_F(HeadlessWindowingTest, WindowsKnowWhatTheyWereCreatedWith) {
  TCreateParams params{"COMBOBOX", "Sprache", 0x50010003, 0x200, {1, 2, 30, 40}, 0, 7};
  params.Parent = Create("form");
  const TWindowHandle combo = ws.CreateWindowFor(params, Recorder("combo"));
  const auto* window = ws.Lookup(combo);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Params.WindowClass, "COMBOBOX");
  EXPECT_EQ(window->Params.Caption, "Sprache");
  EXPECT_EQ(window->Params.ExStyle, 0x200u);
  EXPECT_EQ(window->Params.Bounds, (TRect{1, 2, 30, 40}));
  EXPECT_EQ(window->Params.Id, 7u);
  EXPECT_FALSE(window->Utility);
  EXPECT_TRUE(ws.Lookup(ws.CreateUtilityWindow(Recorder("u")))->Utility);

  ws.SetWindowCaption(combo, "Language");
  ws.SetWindowBounds(combo, {5, 6, 7, 8});
  ws.EnableWindowHandle(combo, false);
  ws.InvalidateWindow(combo);
  ws.InvalidateWindow(combo);
  EXPECT_EQ(window->Params.Caption, "Language");
  EXPECT_EQ(window->Params.Bounds, (TRect{5, 6, 7, 8}));
  EXPECT_FALSE(window->Enabled);
  EXPECT_EQ(window->Invalidations, 2);
  EXPECT_EQ(ws.Lookup(12345), nullptr);
}

TEST_F(HeadlessWindowingTest, PostedMessagesWaitForTheLoopAndKeepTheirOrder) {
  const TWindowHandle a = Create("a");
  const TWindowHandle b = Create("b");
  EXPECT_TRUE(ws.PostTo(a, kPing, 0, 0));
  EXPECT_TRUE(ws.PostTo(b, kPing, 0, 0));
  EXPECT_TRUE(ws.PostTo(a, kPong, 0, 0));
  EXPECT_FALSE(ws.PostTo(9999, kPing, 0, 0));
  EXPECT_FALSE(ws.PostTo(0, kPing, 0, 0));
  EXPECT_TRUE(trace.empty());
  EXPECT_EQ(ws.PendingMessageCount(), 3u);
  ws.ProcessPendingMessages();
  EXPECT_EQ(trace, (Trace{{"a", kPing}, {"b", kPing}, {"a", kPong}}));
  EXPECT_EQ(ws.PendingMessageCount(), 0u);
}

TEST_F(HeadlessWindowingTest, SentMessagesRunAtOnceAndAnswerTheProceduresResult) {
  const TWindowHandle a = ws.CreateWindowFor({}, [](TMessage& message) {
    message.Result = static_cast<std::intptr_t>(message.WParam) + message.LParam;
  });
  const TWindowHandle b = Create("b");
  // While a posted message is handled, a sent one runs before the next posted one.
  const TWindowHandle relay = ws.CreateWindowFor({}, [&](TMessage& message) {
    trace.emplace_back("relay", message.Msg);
    ws.SendTo(b, kPong, 0, 0);
  });
  EXPECT_EQ(ws.SendTo(a, kPing, 40, 2), 42);
  EXPECT_EQ(ws.SendTo(9999, kPing, 40, 2), 0);
  ws.PostTo(relay, kPing, 0, 0);
  ws.PostTo(b, kPing, 0, 0);
  ws.ProcessPendingMessages();
  EXPECT_EQ(trace, (Trace{{"relay", kPing}, {"b", kPong}, {"b", kPing}}));
}

TEST_F(HeadlessWindowingTest, TheLogHoldsEveryPostedAndSentMessage) {
  const TWindowHandle a = Create("a");
  ws.PostTo(a, kPing, 1, -1);
  ws.SendTo(a, kPong, 2, -2);
  ws.PostTo(9999, kPing, 3, -3);
  ws.SendTo(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
  ws.ProcessPendingMessages();
  using Logged = THeadlessWindowing::LoggedMessage;
  EXPECT_EQ(ws.MessageLog(), (std::vector<Logged>{{a, kPing, 1, -1, Posted},
                                                  {a, kPong, 2, -2, Sent},
                                                  {9999, kPing, 3, -3, Posted},
                                                  {HWND_BROADCAST, WM_WININICHANGE, 0, 0, Sent}}));
  ws.ClearMessageLog();
  EXPECT_TRUE(ws.MessageLog().empty());
}

TEST_F(HeadlessWindowingTest, BroadcastsReachTheTopLevelWindowsInCreationOrder) {
  const TWindowHandle form = Create("form");
  Create("child", form);
  ws.CreateUtilityWindow(Recorder("utility"));
  Create("other");
  EXPECT_EQ(ws.SendTo(HWND_BROADCAST, kPing, 0, 0), 0);
  EXPECT_EQ(trace, (Trace{{"form", kPing}, {"utility", kPing}, {"other", kPing}}));

  trace.clear();
  EXPECT_TRUE(ws.PostTo(HWND_BROADCAST, kPong, 0, 0));
  EXPECT_TRUE(trace.empty());
  ws.ProcessPendingMessages();
  EXPECT_EQ(trace, (Trace{{"form", kPong}, {"utility", kPong}, {"other", kPong}}));
}

TEST_F(HeadlessWindowingTest, ABroadcastReachesOnlyTheWindowsThereWhenItStarted) {
  TWindowHandle second = 0;
  ws.CreateWindowFor({}, [&](TMessage& message) {
    trace.emplace_back("first", message.Msg);
    if (message.Msg != kPing) return;
    ws.DestroyWindowHandle(second);
    Create("late");
  });
  second = Create("second");
  ws.SendTo(HWND_BROADCAST, kPing, 0, 0);
  EXPECT_EQ(trace, (Trace{{"first", kPing}, {"second", WM_DESTROY}}));
}

TEST_F(HeadlessWindowingTest, DestroyingTellsTheWindowThenItsChildrenAndDropsTheirMessages) {
  const TWindowHandle form = Create("form");
  const TWindowHandle panel = Create("panel", form);
  const TWindowHandle button = Create("button", panel);
  const TWindowHandle other = Create("other");
  ws.PostTo(button, kPing, 0, 0);
  ws.PostTo(other, kPing, 0, 0);
  ws.PostTo(form, kPing, 0, 0);
  ws.DestroyWindowHandle(form);
  EXPECT_EQ(trace, (Trace{{"form", WM_DESTROY}, {"panel", WM_DESTROY}, {"button", WM_DESTROY}}));
  EXPECT_FALSE(ws.IsWindowHandle(panel));
  EXPECT_FALSE(ws.IsWindowHandle(button));
  EXPECT_EQ(ws.PendingMessageCount(), 1u);
  trace.clear();
  ws.ProcessPendingMessages();
  EXPECT_EQ(trace, (Trace{{"other", kPing}}));
}

TEST_F(HeadlessWindowingTest, WindowsStayUntilWmDestroyHasReachedThem) {
  TWindowHandle form = 0;
  TWindowHandle child = 0;
  std::vector<bool> childThereDuringDestroy;
  form = ws.CreateWindowFor({}, [&](TMessage& message) {
    if (message.Msg != WM_DESTROY) return;
    childThereDuringDestroy.push_back(ws.IsWindowHandle(child));
    // Neither destroys twice nor disturbs the destruction under way.
    ws.DestroyWindowHandle(child);
    ws.DestroyWindowHandle(form);
    ws.PostTo(form, kPing, 0, 0);
  });
  child = Create("child", form);
  ws.DestroyWindowHandle(form);
  EXPECT_EQ(childThereDuringDestroy, std::vector<bool>{true});
  EXPECT_EQ(trace, (Trace{{"child", WM_DESTROY}}));
  EXPECT_EQ(ws.PendingMessageCount(), 0u);
}

TEST_F(HeadlessWindowingTest, AProcedureMayDestroyItsOwnWindow) {
  TWindowHandle self = 0;
  std::string captured = "kept alive by the procedure";
  self = ws.CreateWindowFor({}, [&, captured](TMessage& message) {
    ws.DestroyWindowHandle(self);
    trace.emplace_back(captured, message.Msg);
  });
  ws.PostTo(self, kPing, 0, 0);
  ws.ProcessPendingMessages();
  EXPECT_FALSE(ws.IsWindowHandle(self));
  EXPECT_EQ(trace, (Trace{{captured, WM_DESTROY}, {captured, kPing}}));
}

TEST_F(HeadlessWindowingTest, TheLoopEndsWithTheQuitCodeAfterThePostedMessages) {
  const TWindowHandle a = Create("a");
  ws.PostTo(a, kPing, 0, 0);
  ws.PostQuit(3);
  // As under Windows, a message posted after the quit still comes first.
  ws.PostTo(a, kPong, 0, 0);
  EXPECT_EQ(ws.PendingQuit(), 3);
  EXPECT_EQ(ws.RunMessageLoop(), 3);
  EXPECT_EQ(trace, (Trace{{"a", kPing}, {"a", kPong}}));
  EXPECT_EQ(ws.PendingQuit(), std::nullopt);
  EXPECT_EQ(ws.RunUntilQuitOrIdle(), std::nullopt);
}

TEST_F(HeadlessWindowingTest, WithoutAnIdleHookTheLoopGoesIdleInsteadOfWaiting) {
  ws.PostTo(Create("a"), kPing, 0, 0);
  EXPECT_EQ(ws.RunMessageLoop(), THeadlessWindowing::kWentIdle);
  EXPECT_EQ(trace, (Trace{{"a", kPing}}));
  EXPECT_FALSE(ws.DispatchNextMessage());
}

TEST_F(HeadlessWindowingTest, TheIdleHookFeedsTheLoopUntilItAnswersFalse) {
  const TWindowHandle a = Create("a");
  int calls = 0;
  ws.SetIdleHook([&] {
    ++calls;
    if (calls > 2) return false;
    ws.PostTo(a, kPing, static_cast<std::uintptr_t>(calls), 0);
    return true;
  });
  EXPECT_EQ(ws.RunUntilQuitOrIdle(), std::nullopt);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(trace, (Trace{{"a", kPing}, {"a", kPing}}));

  ws.SetIdleHook([&] {
    ws.PostQuit(7);
    return true;
  });
  EXPECT_EQ(ws.RunMessageLoop(), 7);
}

TEST_F(HeadlessWindowingTest, DispatchingOneMessageLeavesTheQuitForTheOuterLoop) {
  const TWindowHandle a = Create("a");
  ws.PostTo(a, kPing, 0, 0);
  ws.PostQuit(0);
  EXPECT_TRUE(ws.DispatchNextMessage());
  EXPECT_FALSE(ws.DispatchNextMessage());
  EXPECT_EQ(ws.PendingQuit(), 0);
  EXPECT_EQ(trace, (Trace{{"a", kPing}}));
}

TEST_F(HeadlessWindowingTest, PendingMessagesIncludeThoseTheyPostButNotTheQuit) {
  TWindowHandle chain = 0;
  chain = ws.CreateWindowFor({}, [&](TMessage& message) {
    trace.emplace_back("chain", message.Msg);
    if (message.Msg == kPing) ws.PostTo(chain, kPong, 0, 0);
  });
  ws.PostTo(chain, kPing, 0, 0);
  ws.PostQuit(5);
  ws.ProcessPendingMessages();
  EXPECT_EQ(trace, (Trace{{"chain", kPing}, {"chain", kPong}}));
  EXPECT_EQ(ws.PendingQuit(), 5);
  EXPECT_EQ(ws.RunMessageLoop(), 5);
}

TEST_F(HeadlessWindowingTest, AWindowThatKeepsRepostingCannotHoldUpPendingMessages) {
  int received = 0;
  TWindowHandle echo = 0;
  echo = ws.CreateWindowFor({}, [&](TMessage&) {
    ++received;
    ws.PostTo(echo, kPing, 0, 0);
  });
  ws.PostTo(echo, kPing, 0, 0);
  ws.ProcessPendingMessages();
  EXPECT_EQ(received, THeadlessWindowing::kPendingDispatchLimit);
  EXPECT_EQ(ws.PendingMessageCount(), 1u);
}

TEST_F(HeadlessWindowingTest, EachThreadDispatchesTheMessagesOfItsOwnWindows) {
  std::promise<TWindowHandle> created;
  std::promise<void> posted;
  std::thread owner([&] {
    created.set_value(Create("foreign"));
    posted.get_future().wait();
    ws.ProcessPendingMessages();
  });
  const TWindowHandle foreign = created.get_future().get();
  ws.PostTo(foreign, kPing, 0, 0);
  EXPECT_EQ(ws.PendingMessageCount(), 0u);
  ws.ProcessPendingMessages();
  EXPECT_TRUE(trace.empty());
  posted.set_value();
  owner.join();
  EXPECT_EQ(trace, (Trace{{"foreign", kPing}}));
}

TEST_F(HeadlessWindowingTest, TheScreenSaverStartsFromASystemCommandLeftToTheSystem) {
  const TWindowHandle form = ws.CreateWindowFor(
      {}, [this](TMessage& message) { message.Result = ws.DefaultHandling(0, message); });
  const TWindowHandle other = Create("other");
  ws.SendTo(form, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  EXPECT_EQ(ws.ScreenSaverStarts(), 1);
  EXPECT_EQ(ws.ScreenSaverWindow(), form);

  struct Case {
    std::uint32_t Msg;
    std::uintptr_t WParam;
    int Starts;
  };
  // The system ignores the low four bits of a system command.
  const Case cases[] = {{WM_SYSCOMMAND, SC_SCREENSAVE | 0x2, 2},
                        {WM_SYSCOMMAND, SC_CLOSE, 2},
                        {WM_COMMAND, SC_SCREENSAVE, 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(ws.DefaultHandling(other, {c.Msg, c.WParam, 0, 0}), 0);
    EXPECT_EQ(ws.ScreenSaverStarts(), c.Starts) << c.Msg << " " << c.WParam;
  }
  EXPECT_EQ(ws.ScreenSaverWindow(), other);
}

TEST_F(HeadlessWindowingTest, ShowingIsLoggedAndAWindowIsShownOnlyWithItsParents) {
  const TWindowHandle form = Create("form");
  const TWindowHandle label = Create("label", form, WS_VISIBLE);
  EXPECT_FALSE(ws.IsWindowShown(form));
  EXPECT_FALSE(ws.IsWindowShown(label));
  EXPECT_TRUE(ws.Lookup(label)->Shown);
  ws.ShowWindowHandle(form, SW_SHOW, true);
  EXPECT_TRUE(ws.IsWindowShown(label));
  ws.ShowWindowHandle(label, SW_HIDE, false);
  ws.ShowWindowHandle(9999, SW_SHOW, false);
  EXPECT_FALSE(ws.IsWindowShown(label));
  EXPECT_FALSE(ws.IsWindowShown(9999));
  using Show = THeadlessWindowing::ShowCall;
  EXPECT_EQ(ws.ShowLog(), (std::vector<Show>{{form, SW_SHOW, true}, {label, SW_HIDE, false}}));
  EXPECT_FALSE(ws.Lookup(Create("disabled", 0, WS_DISABLED))->Enabled);
}

TEST_F(HeadlessWindowingTest, ActivationFollowsShowingForegroundAndDestruction) {
  const TWindowHandle main = Create("main");
  const TWindowHandle about = Create("about");
  const TWindowHandle button = Create("button", about);
  ws.ShowWindowHandle(main, SW_SHOWNORMAL, false);
  EXPECT_EQ(ws.ActiveWindow(), main);
  EXPECT_EQ(ws.Foreground(), 0u);
  ws.SetForeground(button);
  EXPECT_EQ(ws.Foreground(), about);
  EXPECT_EQ(ws.ActiveWindow(), about);
  ws.ShowWindowHandle(about, SW_HIDE, false);
  EXPECT_EQ(ws.ActiveWindow(), 0u);
  EXPECT_EQ(ws.Foreground(), about);
  ws.DestroyWindowHandle(about);
  EXPECT_EQ(ws.Foreground(), 0u);
}

TEST_F(HeadlessWindowingTest, TheCursorIsWhereTheTestPutsIt) {
  EXPECT_EQ(ws.CursorPos(), (TPoint{0, 0}));
  ws.MoveCursor({640, 470});
  EXPECT_EQ(ws.CursorPos(), (TPoint{640, 470}));
  EXPECT_EQ(ws.ScreenRect(), THeadlessWindowing::kScreenRect);
}

}  // namespace
}  // namespace qp
