#include "platform/backends/win32/Shell.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include <windows.h>

#include <shellapi.h>

namespace qp {

static_assert(sizeof(TNotifyIconData) == NOTIFYICONDATAA_V1_SIZE);
static_assert(sizeof(void*) != 4 || sizeof(TNotifyIconData) == 88);
static_assert(offsetof(TNotifyIconData, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(TNotifyIconData, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(TNotifyIconData, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(TNotifyIconData, uCallbackMessage) ==
              offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(TNotifyIconData, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(TNotifyIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));

bool TWin32Shell::NotifyIcon(std::uint32_t message, const TNotifyIconData& data) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.hWnd);
  record.uID = data.uID;
  record.uFlags = data.uFlags;
  record.uCallbackMessage = data.uCallbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.hIcon);
  // The first version's tip ends within its 64 characters even when the caller's does not.
  std::copy(std::begin(data.szTip), std::prev(std::end(data.szTip)), record.szTip);
  return Shell_NotifyIconA(message, &record) != FALSE;
}

std::uint32_t TWin32Shell::TaskbarCreatedMessage() const {
  return RegisterWindowMessageA("TaskbarCreated");
}

TShell& Shell() {
  static TWin32Shell shell;
  return shell;
}

}  // namespace qp
