#include "platform/ui/Screen.h"

#include "platform/ui/WindowSystem.h"

namespace qp {

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  WindowSystem().SetCursor(cursor);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace qp
