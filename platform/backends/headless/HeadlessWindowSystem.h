#pragma once

#include <string>
#include <vector>

#include "platform/ui/WindowSystem.h"

namespace qp {

// The window system of the tests: nothing reaches a screen, every call is recorded so a test can
// look at it, and dialogs are answered at once.
class THeadlessWindowSystem final : public TWindowSystem {
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

// The headless backend of this test program.
THeadlessWindowSystem& Headless();

}  // namespace qp
