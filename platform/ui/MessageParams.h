#pragma once

#include <cstdint>

#include "platform/ui/Types.h"

namespace qp {

// The notification code that a control's WM_COMMAND, and its reflection CN_COMMAND, carries in
// the high word of wParam.
inline std::uint32_t NotificationCode(const TMessage& command) {
  return static_cast<std::uint32_t>((command.WParam >> 16) & 0xFFFF);
}

// Mouse messages carry the point as two signed 16-bit halves of lParam.
inline TPoint MousePoint(std::intptr_t lParam) {
  return {static_cast<std::int16_t>(lParam & 0xFFFF),
          static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

}  // namespace qp
