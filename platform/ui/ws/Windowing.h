#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/Types.h"

namespace qp {

// A window's procedure: every message to the window reaches it. It calls the window system's
// DefaultHandling for what it does not handle itself.
using TWindowProc = std::function<void(TMessage&)>;

// The creation parameters of a form or control window.
struct TCreateParams {
  // A standard control class ("COMBOBOX", "LISTBOX", "BUTTON", "STATIC", "EDIT") whose behaviour
  // the window gets, or empty for a plain window of the program's own.
  std::string WindowClass;
  std::string Caption;
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  TRect Bounds;
  // The parent window of a control; 0 for a top-level window.
  TWindowHandle Parent = 0;
  // A child window's identifier, which the notifications it sends its parent carry.
  std::uint32_t Id = 0;
};

// Windows, messages and the message loop of the one user-interface thread.
class TWindowing {
 public:
  virtual ~TWindowing() = default;

  // A hidden top-level window bound to proc: it receives posted messages and broadcasts and is
  // never shown.
  virtual TWindowHandle CreateUtilityWindow(TWindowProc proc) = 0;
  virtual TWindowHandle CreateWindowFor(const TCreateParams& params, TWindowProc proc) = 0;
  // Also destroys the window's children; posted messages to it are dropped.
  virtual void DestroyWindowHandle(TWindowHandle window) = 0;
  virtual bool IsWindowHandle(TWindowHandle window) const = 0;

  // Queues a message for the window; false when the window does not exist.
  virtual bool PostTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;
  // Calls the window's procedure at once and answers its result. HWND_BROADCAST sends to every
  // top-level window and answers 0.
  virtual std::intptr_t SendTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;
  // The system's own handling of a message the window leaves to it (DefWindowProc, or the
  // standard control class's procedure). A WM_SYSCOMMAND with SC_SCREENSAVE starts the screen
  // saver here.
  virtual std::intptr_t DefaultHandling(TWindowHandle window, const TMessage& message) = 0;

  // Ends the message loop with this exit code once the queue reaches the quit message.
  virtual void PostQuit(int exitCode) = 0;
  // Dispatches messages until the quit message; answers its exit code.
  virtual int RunMessageLoop() = 0;
  // Dispatches every message that is pending now and returns; a quit message stays queued.
  virtual void ProcessPendingMessages() = 0;
  // Waits for the next message and dispatches it, for modal loops. False when the next message
  // is the quit message (it stays queued for the outer loop) or, in a backend without a user,
  // when no further message can arrive.
  virtual bool DispatchNextMessage() = 0;

  // SW_HIDE, SW_SHOW, ...; async does not wait for the window's thread.
  virtual void ShowWindowHandle(TWindowHandle window, int command, bool async) = 0;
  virtual bool IsWindowShown(TWindowHandle window) const = 0;
  virtual void SetWindowBounds(TWindowHandle window, const TRect& bounds) = 0;
  virtual void SetWindowCaption(TWindowHandle window, const std::string& caption) = 0;
  virtual void EnableWindowHandle(TWindowHandle window, bool enabled) = 0;
  virtual void InvalidateWindow(TWindowHandle window) = 0;
  // Answers WM_PAINT for a window of the program's own: paint draws the window's content on a
  // device context of its client area, and the invalid part counts as painted afterwards.
  virtual void PaintWindow(TWindowHandle window,
                           const std::function<void(TDeviceContext)>& paint) = 0;
  virtual void SetForeground(TWindowHandle window) = 0;
  virtual TWindowHandle ActiveWindow() const = 0;
  // The bounds of a top-level window with these styles whose client area is client: the client
  // area grown by the frame and caption the system draws around it.
  virtual TRect WindowRectAround(const TRect& client, std::uint32_t style,
                                 std::uint32_t exStyle) const = 0;
  // The mouse position in screen coordinates.
  virtual TPoint CursorPos() const = 0;
  // The primary screen in screen coordinates.
  virtual TRect ScreenRect() const = 0;
};

// The backend linked into this program.
TWindowing& Windowing();

}  // namespace qp
