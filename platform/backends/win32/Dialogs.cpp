#include "platform/backends/win32/Dialogs.h"

#include <windows.h>

namespace qp {
namespace {

UINT DialogStyle(TDialogKind kind) {
  switch (kind) {
    case TDialogKind::Warning:
      return MB_OK | MB_ICONWARNING;
    case TDialogKind::Error:
      return MB_OK | MB_ICONERROR;
    case TDialogKind::Simple:
      break;
  }
  return MB_OK;
}

}  // namespace

void TWin32Dialogs::ShowDialog(TDialogKind kind, const std::string& caption,
                               const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), DialogStyle(kind) | MB_TASKMODAL);
}

void TWin32Dialogs::SetCursor(int cursor) {
  // The platform's cursor codes: 0 is the arrow, -11 the hourglass.
  ::SetCursor(LoadCursorA(nullptr, cursor == -11 ? IDC_WAIT : IDC_ARROW));
}

TDialogService& DialogService() {
  static TWin32Dialogs dialogs;
  return dialogs;
}

}  // namespace qp
