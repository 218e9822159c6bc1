#pragma once

#include <string>
#include <vector>

#include "platform/ui/ws/Dialogs.h"

namespace qp {

// Dialogs of the tests: recorded with the cursor shown at the time, and answered OK at once.
class THeadlessDialogs final : public TDialogService {
 public:
  struct Dialog {
    TDialogKind Kind;
    std::string Caption;
    std::string Text;
    int CursorWhileShown;
  };

  void ShowDialog(TDialogKind kind, const std::string& caption, const std::string& text) override;
  void SetCursor(int cursor) override;

  const std::vector<Dialog>& Dialogs() const { return dialogs_; }
  int Cursor() const { return cursor_; }
  // Forgets everything recorded, for the next test.
  void Reset();

 private:
  std::vector<Dialog> dialogs_;
  int cursor_ = 0;
};

THeadlessDialogs& HeadlessDialogs();

}  // namespace qp
