#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "platform/core/Component.h"
#include "platform/ui/Types.h"

namespace qp {

class TForm;

// The program as the platform sees it: its hidden top-level window (which carries the taskbar
// button), its title and help file, its forms (owned, in creation order) and the message loop.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // The application's own hidden top-level window; made anew should the window system have lost
  // it (the tests' window system forgets every window between tests).
  TWindowHandle Handle();
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }
  // Opens the help file at command/data, owned by the main form's window; false without a help
  // file or when the viewer cannot open it.
  bool HelpCommand(std::uint32_t command, std::uintptr_t data);

  // Creates a form owned by the application and reads its description; the first form created
  // becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    Adopt(form);
    return form;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form, runs the message loop until a quit message, then frees the forms.
  // Answers the quit message's exit code.
  int Run();
  // Ends the message loop with exit code 0.
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  // Shows an error that escaped a message handler in the error dialog; the program goes on.
  void HandleException(const std::exception& error);

  // The full path of the program file.
  std::string ExeName() const;

 private:
  void Adopt(TForm* form);
  void WndProc(TMessage& message);

  TWindowHandle handle_ = 0;
  std::string title_;
  std::string helpFile_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The one application object of the program.
TApplication& Application();

}  // namespace qp
