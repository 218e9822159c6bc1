#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/ui/ws/Windowing.h"

namespace qp {

// Windows and messages of the tests: windows are entries in a table, nothing is drawn, and every
// message and show is recorded. As under Windows, each thread has its own queue and a window
// belongs to the thread that created it; the calls come from one thread at a time, so nothing is
// locked.
class THeadlessWindowing final : public TWindowing {
 public:
  struct Window {
    TWindowProc Proc;
    // As created; Caption and Bounds follow later changes.
    TCreateParams Params;
    bool Utility = false;
    // The window's own flag; IsWindowShown also asks its parents.
    bool Shown = false;
    bool Enabled = true;
    int Invalidations = 0;
    // What the window's painting draws on, in the graphics log; made at its first paint.
    TDeviceContext PaintDC = 0;
    std::thread::id Thread;
    // WM_DESTROY is on its way; the window goes when it has reached every procedure.
    bool Destroying = false;
  };

  enum class TDelivery { Posted, Sent };
  struct LoggedMessage {
    TWindowHandle Window = 0;
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    TDelivery Delivery = TDelivery::Posted;
    friend bool operator==(const LoggedMessage&, const LoggedMessage&) = default;
  };

  struct ShowCall {
    TWindowHandle Window = 0;
    int Command = 0;
    bool Async = false;
    friend bool operator==(const ShowCall&, const ShowCall&) = default;
  };

  // RunMessageLoop's answer when the queue ran dry without a quit message.
  static constexpr int kWentIdle = -1;
  // The screen that ScreenRect answers.
  static constexpr TRect kScreenRect{0, 0, 1024, 768};
  // ProcessPendingMessages dispatches at most this many messages, so that a window that posts
  // itself a message for each one it gets cannot keep the call from returning.
  static constexpr int kPendingDispatchLimit = 10000;

  // Handles count up from 1 and are never used twice in a run, not even after Reset.
  TWindowHandle CreateUtilityWindow(TWindowProc proc) override;
  // Answers 0 when the parent does not exist. WS_VISIBLE and WS_DISABLED set the initial state.
  TWindowHandle CreateWindowFor(const TCreateParams& params, TWindowProc proc) override;
  // Sends WM_DESTROY to the window, then to its descendants, before they go.
  void DestroyWindowHandle(TWindowHandle window) override;
  bool IsWindowHandle(TWindowHandle window) const override;

  // HWND_BROADCAST queues the message for every top-level window.
  bool PostTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
              std::intptr_t lParam) override;
  std::intptr_t SendTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
  // Does nothing but record the screen saver's start, and answers 0. Window 0 names the window
  // whose message is being handled.
  std::intptr_t DefaultHandling(TWindowHandle window, const TMessage& message) override;

  // As under Windows, the quit message comes out only when no posted message waits.
  void PostQuit(int exitCode) override;
  // Answers kWentIdle when it went idle (see RunUntilQuitOrIdle).
  int RunMessageLoop() override;
  // Like a loop of peeks, also dispatches what the dispatched messages post, up to
  // kPendingDispatchLimit messages.
  void ProcessPendingMessages() override;
  // With nothing to dispatch and no quit message, asks the idle hook; false when there is none or
  // it answers false.
  bool DispatchNextMessage() override;

  // Activates a top-level window for SW_SHOW and SW_SHOWNORMAL; hiding the active window leaves
  // none active.
  void ShowWindowHandle(TWindowHandle window, int command, bool async) override;
  bool IsWindowShown(TWindowHandle window) const override;
  void SetWindowBounds(TWindowHandle window, const TRect& bounds) override;
  void SetWindowCaption(TWindowHandle window, const std::string& caption) override;
  void EnableWindowHandle(TWindowHandle window, bool enabled) override;
  // Counts the invalidation; no WM_PAINT follows.
  void InvalidateWindow(TWindowHandle window) override;
  // The tests' windows have no frames.
  TRect WindowRectAround(const TRect& client, std::uint32_t /*style*/,
                         std::uint32_t /*exStyle*/) const override {
    return client;
  }
  void PaintWindow(TWindowHandle window, const std::function<void(TDeviceContext)>& paint) override;
  // Brings the window's top-level window to the foreground and activates it.
  void SetForeground(TWindowHandle window) override;
  TWindowHandle ActiveWindow() const override;
  TPoint CursorPos() const override;
  TRect ScreenRect() const override;

  // The message loop of this thread: the quit message's exit code, or nothing when the queue ran
  // dry and the idle hook (if any) answered false.
  std::optional<int> RunUntilQuitOrIdle();
  // Asked by the message loop whenever there is nothing to dispatch and no quit: true when it
  // posted more (or quit) and the loop goes on, false to let the loop go idle.
  void SetIdleHook(std::function<bool()> hook);

  // The window's entry, or nullptr when there is no such window.
  const Window* Lookup(TWindowHandle window) const;
  // Every posted and sent message, broadcasts once with HWND_BROADCAST as the window.
  const std::vector<LoggedMessage>& MessageLog() const { return messageLog_; }
  void ClearMessageLog() { messageLog_.clear(); }
  // The messages queued for this thread's windows.
  std::size_t PendingMessageCount() const;
  // The exit code of a quit message that waits for this thread's loop.
  std::optional<int> PendingQuit() const;
  const std::vector<ShowCall>& ShowLog() const { return showLog_; }
  TWindowHandle Foreground() const { return foreground_; }
  void MoveCursor(TPoint at) { cursor_ = at; }
  int ScreenSaverStarts() const { return screenSaverStarts_; }
  // The window whose WM_SYSCOMMAND started the screen saver last.
  TWindowHandle ScreenSaverWindow() const { return screenSaverWindow_; }

  // Forgets every window, queue, record and the idle hook, for the next test.
  void Reset();

 private:
  struct PostedMessage {
    TWindowHandle Window = 0;
    TMessage Message;
  };
  struct Queue {
    std::deque<PostedMessage> Messages;
    std::optional<int> Quit;
  };

  Window* Find(TWindowHandle window);
  TWindowHandle NewHandle();
  TWindowHandle AddWindow(Window window);
  std::vector<TWindowHandle> TopLevelWindows() const;
  // The window, then its descendants, parents before children, in creation order.
  std::vector<TWindowHandle> WindowAndDescendants(TWindowHandle window) const;
  TWindowHandle TopLevelOf(TWindowHandle window) const;
  void Forget(TWindowHandle window);
  void Enqueue(TWindowHandle window, const TMessage& message);
  void Deliver(TWindowHandle window, TMessage& message);
  // Hands the next message of this thread's queue to its window; false when none waits.
  bool DispatchNext();
  Queue& ThisThreadQueue() { return queues_[std::this_thread::get_id()]; }

  // Ordered by handle, which is the order of creation.
  std::map<TWindowHandle, Window> windows_;
  std::map<std::thread::id, Queue> queues_;
  TWindowHandle nextHandle_ = 1;
  TWindowHandle handling_ = 0;
  std::function<bool()> idleHook_;
  std::vector<LoggedMessage> messageLog_;
  std::vector<ShowCall> showLog_;
  TWindowHandle foreground_ = 0;
  TWindowHandle active_ = 0;
  TPoint cursor_;
  int screenSaverStarts_ = 0;
  TWindowHandle screenSaverWindow_ = 0;
};

THeadlessWindowing& HeadlessWindowing();

}  // namespace qp
