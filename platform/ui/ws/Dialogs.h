#pragma once

#include <string>

namespace qp {

enum class TDialogKind { Simple, Warning, Error };

// Message boxes and the mouse cursor.
class TDialogService {
 public:
  virtual ~TDialogService() = default;
  // Shows a message box with one OK button and returns when the user has closed it.
  virtual void ShowDialog(TDialogKind kind, const std::string& caption,
                          const std::string& text) = 0;
  // The mouse cursor shown over every window of the program (0 arrow, -11 hourglass).
  virtual void SetCursor(int cursor) = 0;
};

TDialogService& DialogService();

}  // namespace qp
