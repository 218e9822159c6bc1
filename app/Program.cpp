#include "app/Program.h"

#include "app/AboutBox.h"
#include "app/MainForm.h"
#include "components/TrayIcon.h"
#include "components/Vcombbox.h"
#include "platform/core/Class.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/ws/Windowing.h"

namespace qp {

void RegisterQuietpaneClasses() {
  RegisterStandardControls();
  RegisterClass(TVComboBox::ClassInfo());
  for (const TClass* type :
       {&TTrayIcon::ClassInfo(), &TMainForm::ClassInfo(), &TAboutBox::ClassInfo()}) {
    RegisterClass(*type);
  }
}

void StartQuietpane() {
  RegisterQuietpaneClasses();
  TApplication& application = Application();
  // The application's window carries the taskbar button; hidden, the program has none.
  Windowing().ShowWindowHandle(application.Handle(), SW_HIDE, false);
  application.ProcessMessages();
  application.Initialize();
  application.SetTitle("Quietpane");
  application.SetHelpFile("quietpane_g.hlp");
  MainForm = application.CreateForm<TMainForm>();
  AboutBox = application.CreateForm<TAboutBox>();
}

int RunQuietpaneLoop() {
  const int exitCode = Application().Run();
  // Run has freed the forms.
  MainForm = nullptr;
  AboutBox = nullptr;
  return exitCode;
}

int RunQuietpane() {
  StartQuietpane();
  return RunQuietpaneLoop();
}

}  // namespace qp
