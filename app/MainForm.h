#pragma once

#include "platform/ui/Forms.h"

namespace qp {

class TMenuItem;
class TPopupMenu;
class TTrayIcon;

// The program's hidden main form: it owns the notification-area icon and its popup menu, and
// every command of the program is one of its handlers.
class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner);

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TTrayIcon* TrayIcon1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* Bildschirmschonerzeigen1 = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* Information1 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* Beenden1 = nullptr;
  TMenuItem* Sprache1 = nullptr;
  TMenuItem* N3 = nullptr;
  TMenuItem* HilfeInhalt1 = nullptr;

  // Starts the screen saver once the current handler (and menu) has returned.
  void TrayIcon1Click(TObject* sender);
  // Keeps the form off every screen and hidden.
  void FormCreate(TObject* sender);
  void Beenden1Click(TObject* sender);
  void Information1Click(TObject* sender);
  void HilfeInhalt1Click(TObject* sender);

 protected:
  void Loaded() override;
};

// The program's main form, from its creation until the forms are freed.
extern TMainForm* MainForm;

}  // namespace qp
