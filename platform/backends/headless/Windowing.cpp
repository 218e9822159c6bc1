#include "platform/backends/headless/Windowing.h"

#include <algorithm>
#include <utility>

#include "platform/backends/headless/Graphics.h"
#include "platform/ui/Messages.h"

namespace qp {

TWindowHandle THeadlessWindowing::CreateUtilityWindow(TWindowProc proc) {
  Window window;
  window.Proc = std::move(proc);
  window.Utility = true;
  return AddWindow(std::move(window));
}

TWindowHandle THeadlessWindowing::CreateWindowFor(const TCreateParams& params, TWindowProc proc) {
  if (params.Parent != 0 && !IsWindowHandle(params.Parent)) return 0;
  Window window;
  window.Proc = std::move(proc);
  window.Params = params;
  window.Shown = (params.Style & WS_VISIBLE) != 0;
  window.Enabled = (params.Style & WS_DISABLED) == 0;
  return AddWindow(std::move(window));
}

void THeadlessWindowing::DestroyWindowHandle(TWindowHandle window) {
  const Window* found = Lookup(window);
  if (found == nullptr || found->Destroying) return;
  std::vector<TWindowHandle> doomed = WindowAndDescendants(window);
  // Descendants that a destruction further in is already taking care of stay with it.
  std::erase_if(doomed, [this](TWindowHandle each) { return windows_.at(each).Destroying; });
  for (TWindowHandle each : doomed)
    windows_.at(each).Destroying = true;
  for (TWindowHandle each : doomed)
    SendTo(each, WM_DESTROY, 0, 0);
  for (TWindowHandle each : doomed)
    Forget(each);
}

bool THeadlessWindowing::IsWindowHandle(TWindowHandle window) const {
  return windows_.contains(window);
}

bool THeadlessWindowing::PostTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  messageLog_.push_back({window, msg, wParam, lParam, TDelivery::Posted});
  const TMessage message{msg, wParam, lParam, 0};
  if (window == HWND_BROADCAST) {
    for (TWindowHandle each : TopLevelWindows())
      Enqueue(each, message);
    return true;
  }
  if (!IsWindowHandle(window)) return false;
  Enqueue(window, message);
  return true;
}

std::intptr_t THeadlessWindowing::SendTo(TWindowHandle window, std::uint32_t msg,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  messageLog_.push_back({window, msg, wParam, lParam, TDelivery::Sent});
  if (window == HWND_BROADCAST) {
    // A procedure may create or destroy windows meanwhile: only those there at the start count.
    for (TWindowHandle each : TopLevelWindows()) {
      TMessage message{msg, wParam, lParam, 0};
      Deliver(each, message);
    }
    return 0;
  }
  TMessage message{msg, wParam, lParam, 0};
  Deliver(window, message);
  return message.Result;
}

std::intptr_t THeadlessWindowing::DefaultHandling(TWindowHandle window, const TMessage& message) {
  // The system uses the low four bits of a system command itself.
  if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_SCREENSAVE) {
    ++screenSaverStarts_;
    screenSaverWindow_ = window != 0 ? window : handling_;
  }
  return 0;
}

void THeadlessWindowing::PostQuit(int exitCode) {
  ThisThreadQueue().Quit = exitCode;
}

int THeadlessWindowing::RunMessageLoop() {
  return RunUntilQuitOrIdle().value_or(kWentIdle);
}

void THeadlessWindowing::ProcessPendingMessages() {
  int dispatched = 0;
  while (dispatched < kPendingDispatchLimit && DispatchNext())
    ++dispatched;
}

bool THeadlessWindowing::DispatchNextMessage() {
  for (;;) {
    if (DispatchNext()) return true;
    if (ThisThreadQueue().Quit) return false;
    // A copy, so that the hook may replace itself.
    const std::function<bool()> hook = idleHook_;
    if (!hook || !hook()) return false;
  }
}

void THeadlessWindowing::ShowWindowHandle(TWindowHandle window, int command, bool async) {
  Window* found = Find(window);
  if (found == nullptr) return;
  showLog_.push_back({window, command, async});
  found->Shown = command != SW_HIDE;
  if (!found->Shown && active_ == window) {
    active_ = 0;
  } else if (found->Params.Parent == 0 && (command == SW_SHOW || command == SW_SHOWNORMAL)) {
    active_ = window;
  }
}

bool THeadlessWindowing::IsWindowShown(TWindowHandle window) const {
  for (const Window* each = Lookup(window); each != nullptr; each = Lookup(each->Params.Parent)) {
    if (!each->Shown) return false;
  }
  return IsWindowHandle(window);
}

void THeadlessWindowing::SetWindowBounds(TWindowHandle window, const TRect& bounds) {
  if (Window* found = Find(window)) found->Params.Bounds = bounds;
}

void THeadlessWindowing::SetWindowCaption(TWindowHandle window, const std::string& caption) {
  if (Window* found = Find(window)) found->Params.Caption = caption;
}

void THeadlessWindowing::EnableWindowHandle(TWindowHandle window, bool enabled) {
  if (Window* found = Find(window)) found->Enabled = enabled;
}

void THeadlessWindowing::InvalidateWindow(TWindowHandle window) {
  if (Window* found = Find(window)) ++found->Invalidations;
}

void THeadlessWindowing::PaintWindow(TWindowHandle window,
                                     const std::function<void(TDeviceContext)>& paint) {
  Window* found = Find(window);
  if (found == nullptr) return;
  if (found->PaintDC == 0) found->PaintDC = HeadlessGraphics().NewDeviceContext();
  paint(found->PaintDC);
}

void THeadlessWindowing::SetForeground(TWindowHandle window) {
  if (!IsWindowHandle(window)) return;
  foreground_ = TopLevelOf(window);
  active_ = foreground_;
}

TWindowHandle THeadlessWindowing::ActiveWindow() const {
  return active_;
}

TPoint THeadlessWindowing::CursorPos() const {
  return cursor_;
}

TRect THeadlessWindowing::ScreenRect() const {
  return kScreenRect;
}

std::optional<int> THeadlessWindowing::RunUntilQuitOrIdle() {
  while (DispatchNextMessage()) {
  }
  return std::exchange(ThisThreadQueue().Quit, std::nullopt);
}

void THeadlessWindowing::SetIdleHook(std::function<bool()> hook) {
  idleHook_ = std::move(hook);
}

const THeadlessWindowing::Window* THeadlessWindowing::Lookup(TWindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

std::size_t THeadlessWindowing::PendingMessageCount() const {
  const auto found = queues_.find(std::this_thread::get_id());
  return found == queues_.end() ? 0 : found->second.Messages.size();
}

std::optional<int> THeadlessWindowing::PendingQuit() const {
  const auto found = queues_.find(std::this_thread::get_id());
  return found == queues_.end() ? std::nullopt : found->second.Quit;
}

void THeadlessWindowing::Reset() {
  windows_.clear();
  queues_.clear();
  handling_ = 0;
  idleHook_ = nullptr;
  messageLog_.clear();
  showLog_.clear();
  foreground_ = 0;
  active_ = 0;
  cursor_ = {};
  screenSaverStarts_ = 0;
  screenSaverWindow_ = 0;
}

THeadlessWindowing::Window* THeadlessWindowing::Find(TWindowHandle window) {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

TWindowHandle THeadlessWindowing::NewHandle() {
  if (nextHandle_ == HWND_BROADCAST) ++nextHandle_;
  return nextHandle_++;
}

TWindowHandle THeadlessWindowing::AddWindow(Window window) {
  window.Thread = std::this_thread::get_id();
  const TWindowHandle handle = NewHandle();
  windows_.emplace(handle, std::move(window));
  return handle;
}

std::vector<TWindowHandle> THeadlessWindowing::TopLevelWindows() const {
  std::vector<TWindowHandle> topLevel;
  for (const auto& [handle, window] : windows_) {
    if (window.Params.Parent == 0) topLevel.push_back(handle);
  }
  return topLevel;
}

std::vector<TWindowHandle> THeadlessWindowing::WindowAndDescendants(TWindowHandle window) const {
  std::vector<TWindowHandle> family{window};
  // Children are younger than their parents, so one pass in creation order finds every
  // generation.
  for (const auto& [handle, each] : windows_) {
    if (std::find(family.begin(), family.end(), each.Params.Parent) != family.end()) {
      family.push_back(handle);
    }
  }
  return family;
}

TWindowHandle THeadlessWindowing::TopLevelOf(TWindowHandle window) const {
  const Window* found = Lookup(window);
  while (found != nullptr && found->Params.Parent != 0) {
    window = found->Params.Parent;
    found = Lookup(window);
  }
  return window;
}

void THeadlessWindowing::Forget(TWindowHandle window) {
  windows_.erase(window);
  for (auto& [thread, queue] : queues_) {
    std::erase_if(queue.Messages,
                  [window](const PostedMessage& posted) { return posted.Window == window; });
  }
  if (foreground_ == window) foreground_ = 0;
  if (active_ == window) active_ = 0;
}

void THeadlessWindowing::Enqueue(TWindowHandle window, const TMessage& message) {
  queues_[windows_.at(window).Thread].Messages.push_back({window, message});
}

void THeadlessWindowing::Deliver(TWindowHandle window, TMessage& message) {
  const Window* found = Lookup(window);
  if (found == nullptr || !found->Proc) return;
  // A copy, so that the procedure may destroy its own window.
  const TWindowProc proc = found->Proc;
  const TWindowHandle outer = std::exchange(handling_, window);
  try {
    proc(message);
  } catch (...) {
    handling_ = outer;
    throw;
  }
  handling_ = outer;
}

bool THeadlessWindowing::DispatchNext() {
  Queue& queue = ThisThreadQueue();
  if (queue.Messages.empty()) return false;
  PostedMessage next = queue.Messages.front();
  queue.Messages.pop_front();
  Deliver(next.Window, next.Message);
  return true;
}

THeadlessWindowing& HeadlessWindowing() {
  static THeadlessWindowing windowing;
  return windowing;
}

TWindowing& Windowing() {
  return HeadlessWindowing();
}

}  // namespace qp
