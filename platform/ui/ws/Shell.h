#pragma once

#include <cstdint>

#include "platform/ui/Types.h"

namespace qp {

constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;
constexpr std::uint32_t NIM_DELETE = 2;
constexpr std::uint32_t NIF_MESSAGE = 1;
constexpr std::uint32_t NIF_ICON = 2;
constexpr std::uint32_t NIF_TIP = 4;

// The shell's notification-icon record in its first, ANSI form: 88 bytes in the 32-bit program.
struct TNotifyIconData {
  std::uint32_t cbSize = 0;
  TWindowHandle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  TIconHandle hIcon = 0;
  char szTip[64] = {};
};

// The notification area ("tray") of the shell.
class TShell {
 public:
  virtual ~TShell() = default;
  // NIM_ADD, NIM_MODIFY or NIM_DELETE with the record; true when the shell accepted it.
  virtual bool NotifyIcon(std::uint32_t message, const TNotifyIconData& data) = 0;
  // The message the shell broadcasts to every top-level window when it (re)starts, after which
  // notification icons must be added again. Windows registers it at run time; the headless
  // backend answers a fixed number of the registered range (0xC000-0xFFFF).
  virtual std::uint32_t TaskbarCreatedMessage() const = 0;
};

TShell& Shell();

}  // namespace qp
