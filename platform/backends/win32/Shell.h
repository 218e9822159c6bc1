#pragma once

#include "platform/ui/ws/Shell.h"

namespace qp {

// The shell's notification area through Shell_NotifyIconA, always with the record's first
// version, whatever cbSize the caller gives.
class TWin32Shell final : public TShell {
 public:
  bool NotifyIcon(std::uint32_t message, const TNotifyIconData& data) override;
  std::uint32_t TaskbarCreatedMessage() const override;
};

}  // namespace qp
