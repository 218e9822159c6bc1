#pragma once

#include "platform/ui/ws/Windowing.h"

namespace qp {

// Windows of the program's own window class, and standard controls subclassed after creation,
// each bound to its TWindowProc. A procedure gets its window's messages from the moment
// CreateWindowFor has answered the handle; those of the creation itself get the system's default
// handling. An exception thrown by a procedure cannot pass the system's frames; it is thrown again
// once the message loop has dispatched the message or SendTo answers.
class TWin32Windowing final : public TWindowing {
 public:
  TWindowHandle CreateUtilityWindow(TWindowProc proc) override;
  TWindowHandle CreateWindowFor(const TCreateParams& params, TWindowProc proc) override;
  void DestroyWindowHandle(TWindowHandle window) override;
  bool IsWindowHandle(TWindowHandle window) const override;

  bool PostTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
              std::intptr_t lParam) override;
  std::intptr_t SendTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
  std::intptr_t DefaultHandling(TWindowHandle window, const TMessage& message) override;

  void PostQuit(int exitCode) override;
  int RunMessageLoop() override;
  void ProcessPendingMessages() override;
  bool DispatchNextMessage() override;

  void ShowWindowHandle(TWindowHandle window, int command, bool async) override;
  bool IsWindowShown(TWindowHandle window) const override;
  void SetWindowBounds(TWindowHandle window, const TRect& bounds) override;
  void SetWindowCaption(TWindowHandle window, const std::string& caption) override;
  void EnableWindowHandle(TWindowHandle window, bool enabled) override;
  void InvalidateWindow(TWindowHandle window) override;
  TRect WindowRectAround(const TRect& client, std::uint32_t style,
                         std::uint32_t exStyle) const override;
  void PaintWindow(TWindowHandle window, const std::function<void(TDeviceContext)>& paint) override;
  void SetForeground(TWindowHandle window) override;
  TWindowHandle ActiveWindow() const override;
  TPoint CursorPos() const override;
  TRect ScreenRect() const override;
};

}  // namespace qp
