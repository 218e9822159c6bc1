#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "app/ComponentField.h"
#include "components/TrayIcon.h"
#include "platform/core/Describe.h"
#include "platform/ui/Application.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ws/Help.h"
#include "platform/ui/ws/Windowing.h"

namespace qp {
namespace {

// Far enough left to be outside every screen.
constexpr std::int32_t kOffScreenLeft = -5000;

}  // namespace

TMainForm* MainForm = nullptr;

const TClass& TMainForm::ClassInfo() {
  static const TClass info{Describe<TMainForm, TForm>("TMainForm")
                               .Method("TrayIcon1Click", &TMainForm::TrayIcon1Click)
                               .Method("FormCreate", &TMainForm::FormCreate)
                               .Method("Beenden1Click", &TMainForm::Beenden1Click)
                               .Method("Information1Click", &TMainForm::Information1Click)
                               .Method("HilfeInhalt1Click", &TMainForm::HilfeInhalt1Click)};
  return info;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {}

void TMainForm::Loaded() {
  TForm::Loaded();
  TrayIcon1 = ComponentField<TTrayIcon>(*this, "TrayIcon1");
  PopupMenu1 = ComponentField<TPopupMenu>(*this, "PopupMenu1");
  Bildschirmschonerzeigen1 = ComponentField<TMenuItem>(*this, "Bildschirmschonerzeigen1");
  N1 = ComponentField<TMenuItem>(*this, "N1");
  Information1 = ComponentField<TMenuItem>(*this, "Information1");
  N2 = ComponentField<TMenuItem>(*this, "N2");
  Beenden1 = ComponentField<TMenuItem>(*this, "Beenden1");
  Sprache1 = ComponentField<TMenuItem>(*this, "Sprache1");
  N3 = ComponentField<TMenuItem>(*this, "N3");
  HilfeInhalt1 = ComponentField<TMenuItem>(*this, "HilfeInhalt1");
}

void TMainForm::TrayIcon1Click(TObject*) {
  Windowing().PostTo(Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void TMainForm::FormCreate(TObject*) {
  SetLeft(kOffScreenLeft);
  Windowing().ShowWindowHandle(Handle(), SW_HIDE, true);
}

void TMainForm::Beenden1Click(TObject*) {
  Application().Terminate();
}

void TMainForm::Information1Click(TObject*) {
  AboutBox->ShowModal();
}

void TMainForm::HilfeInhalt1Click(TObject*) {
  Application().HelpCommand(HELP_CONTENTS, 0);
}

}  // namespace qp
