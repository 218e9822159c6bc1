#include "platform/backends/headless/HeadlessWindowSystem.h"

namespace qp {

void THeadlessWindowSystem::ShowDialog(TDialogKind kind, const std::string& caption,
                                       const std::string& text) {
  dialogs_.push_back({kind, caption, text, cursor_});
}

void THeadlessWindowSystem::SetCursor(int cursor) {
  cursor_ = cursor;
}

void THeadlessWindowSystem::Reset() {
  dialogs_.clear();
  cursor_ = 0;
}

THeadlessWindowSystem& Headless() {
  static THeadlessWindowSystem system;
  return system;
}

TWindowSystem& WindowSystem() {
  return Headless();
}

}  // namespace qp
