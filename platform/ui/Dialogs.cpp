#include "platform/ui/Dialogs.h"

#include "platform/ui/WindowSystem.h"

namespace qp {
namespace {

std::string& DialogTitle() {
  static std::string title;
  return title;
}

}  // namespace

void SetDialogTitle(const std::string& title) {
  DialogTitle() = title;
}

void ShowMessage(const std::string& text) {
  WindowSystem().ShowDialog(TDialogKind::Simple, DialogTitle(), text);
}

int MessageDlg(const std::string& text, TMsgDlgType type) {
  if (type == TMsgDlgType::mtWarning) {
    WindowSystem().ShowDialog(TDialogKind::Warning, "Warnung", text);
  } else {
    WindowSystem().ShowDialog(TDialogKind::Error, "Fehler", text);
  }
  return mrOk;
}

}  // namespace qp
