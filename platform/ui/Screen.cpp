#include "platform/ui/Screen.h"

#include "platform/ui/ws/Dialogs.h"

namespace qp {

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  DialogService().SetCursor(cursor);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace qp
