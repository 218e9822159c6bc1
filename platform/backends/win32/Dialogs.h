#pragma once

#include "platform/ui/ws/Dialogs.h"

namespace qp {

class TWin32Dialogs final : public TDialogService {
 public:
  void ShowDialog(TDialogKind kind, const std::string& caption, const std::string& text) override;
  void SetCursor(int cursor) override;
};

}  // namespace qp
