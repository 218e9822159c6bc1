#include "platform/backends/headless/Dialogs.h"

namespace qp {

void THeadlessDialogs::ShowDialog(TDialogKind kind, const std::string& caption,
                                  const std::string& text) {
  dialogs_.push_back({kind, caption, text, cursor_});
}

void THeadlessDialogs::SetCursor(int cursor) {
  cursor_ = cursor;
}

void THeadlessDialogs::Reset() {
  dialogs_.clear();
  cursor_ = 0;
}

THeadlessDialogs& HeadlessDialogs() {
  static THeadlessDialogs dialogs;
  return dialogs;
}

TDialogService& DialogService() {
  return HeadlessDialogs();
}

}  // namespace qp
