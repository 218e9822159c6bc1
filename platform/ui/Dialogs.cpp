#include "platform/ui/Dialogs.h"

#include "platform/ui/ws/Dialogs.h"

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
  DialogService().ShowDialog(TDialogKind::Simple, DialogTitle(), text);
}

int MessageDlg(const std::string& text, TMsgDlgType type) {
  if (type == TMsgDlgType::mtWarning) {
    DialogService().ShowDialog(TDialogKind::Warning, "Warnung", text);
  } else {
    DialogService().ShowDialog(TDialogKind::Error, "Fehler", text);
  }
  return mrOk;
}

}  // namespace qp
