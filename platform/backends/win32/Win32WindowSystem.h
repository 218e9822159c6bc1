#pragma once

#include "platform/ui/WindowSystem.h"

namespace qp {

// The real window system: Win32 windows, menus, GDI and the shell.
class TWin32WindowSystem final : public TWindowSystem {
 public:
  void ShowDialog(TDialogKind kind, const std::string& caption, const std::string& text) override;
  void SetCursor(int cursor) override;
};

}  // namespace qp
