#include "platform/backends/win32/Windowing.h"

#include <exception>
#include <memory>
#include <unordered_map>
#include <utility>

#include <windows.h>

namespace qp {
namespace {

HWND ToHwnd(TWindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

TWindowHandle ToHandle(HWND hwnd) {
  return reinterpret_cast<TWindowHandle>(hwnd);
}

struct TBinding {
  TWindowProc Proc;
  // The standard control class's own procedure; null for windows of the program's class.
  WNDPROC ClassProc = nullptr;
};

// Shared, so that a procedure may destroy its own window while it runs.
using TBindings = std::unordered_map<HWND, std::shared_ptr<const TBinding>>;

TBindings& Bindings() {
  static TBindings bindings;
  return bindings;
}

std::exception_ptr& PendingException() {
  static std::exception_ptr pending;
  return pending;
}

void RethrowPending() {
  if (auto pending = std::exchange(PendingException(), nullptr)) std::rethrow_exception(pending);
}

LRESULT HandleByDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto found = Bindings().find(hwnd);
  const WNDPROC classProc = found == Bindings().end() ? nullptr : found->second->ClassProc;
  return classProc ? CallWindowProcA(classProc, hwnd, msg, wParam, lParam)
                   : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT Deliver(const TBinding& binding, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    binding.Proc(message);
  } catch (...) {
    if (!PendingException()) PendingException() = std::current_exception();
  }
  return message.Result;
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TBindings& bindings = Bindings();
  const auto found = bindings.find(hwnd);
  if (found == bindings.end()) return DefWindowProcA(hwnd, msg, wParam, lParam);
  const std::shared_ptr<const TBinding> binding = found->second;
  const LRESULT result = Deliver(*binding, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) bindings.erase(hwnd);
  return result;
}

LPCSTR OwnWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QuietpaneWindow";
    return RegisterClassExA(&windowClass);
  }();
  return MAKEINTATOM(atom);
}

// A window whose procedure gets its messages once its handle is known: the program's class, or a
// standard control subclassed to run the procedure first.
HWND CreateBoundWindow(const TCreateParams& params, TWindowProc proc) {
  const bool ownClass = params.WindowClass.empty();
  const bool isChild = params.Parent != 0;
  const DWORD style = params.Style | (isChild ? WS_CHILD : 0);
  // A child's menu argument is its identifier.
  const auto id = reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(isChild ? params.Id : 0));
  const HWND hwnd = CreateWindowExA(
      params.ExStyle, ownClass ? OwnWindowClass() : params.WindowClass.c_str(),
      params.Caption.c_str(), style, params.Bounds.Left, params.Bounds.Top, params.Bounds.Width(),
      params.Bounds.Height(), ToHwnd(params.Parent), id, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  const auto classProc =
      ownClass ? nullptr : reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  Bindings()[hwnd] = std::make_shared<const TBinding>(TBinding{std::move(proc), classProc});
  if (!ownClass) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcedure));
  return hwnd;
}

void Dispatch(const MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  RethrowPending();
}

}  // namespace

TWindowHandle TWin32Windowing::CreateUtilityWindow(TWindowProc proc) {
  // Top-level, unlike a message-only window, so that broadcasts reach it; a tool window so that
  // it never gets a taskbar button.
  TCreateParams params;
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  return ToHandle(CreateBoundWindow(params, std::move(proc)));
}

TWindowHandle TWin32Windowing::CreateWindowFor(const TCreateParams& params, TWindowProc proc) {
  return ToHandle(CreateBoundWindow(params, std::move(proc)));
}

void TWin32Windowing::DestroyWindowHandle(TWindowHandle window) {
  DestroyWindow(ToHwnd(window));
}

bool TWin32Windowing::IsWindowHandle(TWindowHandle window) const {
  return IsWindow(ToHwnd(window)) != FALSE;
}

bool TWin32Windowing::PostTo(TWindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                             std::intptr_t lParam) {
  // The system would queue a message for window 0 to the thread itself.
  return window != 0 && PostMessageA(ToHwnd(window), msg, wParam, lParam) != FALSE;
}

std::intptr_t TWin32Windowing::SendTo(TWindowHandle window, std::uint32_t msg,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
  const LRESULT result = SendMessageA(ToHwnd(window), msg, wParam, lParam);
  RethrowPending();
  return ToHwnd(window) == HWND_BROADCAST ? 0 : result;
}

std::intptr_t TWin32Windowing::DefaultHandling(TWindowHandle window, const TMessage& message) {
  return HandleByDefault(ToHwnd(window), message.Msg, message.WParam, message.LParam);
}

void TWin32Windowing::PostQuit(int exitCode) {
  PostQuitMessage(exitCode);
}

int TWin32Windowing::RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0)
    Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void TWin32Windowing::ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Peeking took it out; it goes back for the loop that is to end with it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

bool TWin32Windowing::DispatchNextMessage() {
  MSG msg{};
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    // The quit message goes back for the outer loop.
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  Dispatch(msg);
  return true;
}

void TWin32Windowing::ShowWindowHandle(TWindowHandle window, int command, bool async) {
  if (async) {
    ShowWindowAsync(ToHwnd(window), command);
  } else {
    ShowWindow(ToHwnd(window), command);
  }
}

bool TWin32Windowing::IsWindowShown(TWindowHandle window) const {
  return IsWindowVisible(ToHwnd(window)) != FALSE;
}

void TWin32Windowing::SetWindowBounds(TWindowHandle window, const TRect& bounds) {
  MoveWindow(ToHwnd(window), bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), TRUE);
}

void TWin32Windowing::SetWindowCaption(TWindowHandle window, const std::string& caption) {
  SetWindowTextA(ToHwnd(window), caption.c_str());
}

void TWin32Windowing::EnableWindowHandle(TWindowHandle window, bool enabled) {
  EnableWindow(ToHwnd(window), enabled ? TRUE : FALSE);
}

void TWin32Windowing::InvalidateWindow(TWindowHandle window) {
  InvalidateRect(ToHwnd(window), nullptr, TRUE);
}

void TWin32Windowing::PaintWindow(TWindowHandle window,
                                  const std::function<void(TDeviceContext)>& paint) {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(ToHwnd(window), &ps);
  try {
    paint(reinterpret_cast<TDeviceContext>(dc));
  } catch (...) {
    EndPaint(ToHwnd(window), &ps);
    throw;
  }
  EndPaint(ToHwnd(window), &ps);
}

TRect TWin32Windowing::WindowRectAround(const TRect& client, std::uint32_t style,
                                        std::uint32_t exStyle) const {
  RECT rect{client.Left, client.Top, client.Right, client.Bottom};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void TWin32Windowing::SetForeground(TWindowHandle window) {
  SetForegroundWindow(ToHwnd(window));
}

TWindowHandle TWin32Windowing::ActiveWindow() const {
  return ToHandle(GetActiveWindow());
}

TPoint TWin32Windowing::CursorPos() const {
  POINT point{};
  GetCursorPos(&point);
  return TPoint{static_cast<std::int32_t>(point.x), static_cast<std::int32_t>(point.y)};
}

TRect TWin32Windowing::ScreenRect() const {
  return TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TWindowing& Windowing() {
  static TWin32Windowing windowing;
  return windowing;
}

}  // namespace qp
