#include "platform/ui/Application.h"

#include "platform/core/Describe.h"
#include "platform/system/Files.h"
#include "platform/system/FormatSettings.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"
#include "platform/ui/WindowSystem.h"

namespace qp {

const TClass& TApplication::ClassInfo() {
  static const TClass info{Describe<TApplication, TComponent>("TApplication")};
  return info;
}

TApplication::TApplication() : TComponent(nullptr) {
  Handle();
}

TWindowHandle TApplication::Handle() {
  if (!Windowing().IsWindowHandle(handle_)) {
    handle_ = Windowing().CreateUtilityWindow([this](TMessage& message) { WndProc(message); });
  }
  return handle_;
}

TApplication::~TApplication() {
  DestroyComponents();
  Windowing().DestroyWindowHandle(handle_);
}

void TApplication::Initialize() {
  LoadFormatSettings();
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  Windowing().SetWindowCaption(Handle(), title);
  SetDialogTitle(title);
}

bool TApplication::HelpCommand(std::uint32_t command, std::uintptr_t data) {
  if (helpFile_.empty()) return false;
  const TWindowHandle owner = mainForm_ != nullptr ? mainForm_->Handle() : Handle();
  return HelpViewer().OpenHelp(owner, helpFile_, command, data);
}

int TApplication::Run() {
  if (mainForm_ != nullptr) mainForm_->SetVisible(true);
  const int exitCode = Windowing().RunMessageLoop();
  terminated_ = true;
  DestroyComponents();
  mainForm_ = nullptr;
  return exitCode;
}

void TApplication::Terminate() {
  Windowing().PostQuit(0);
}

void TApplication::ProcessMessages() {
  Windowing().ProcessPendingMessages();
}

void TApplication::HandleException(const std::exception& error) {
  MessageDlg(error.what(), TMsgDlgType::mtError);
}

std::string TApplication::ExeName() const {
  return ProgramFileName();
}

void TApplication::Adopt(TForm* form) {
  if (mainForm_ == nullptr) mainForm_ = form;
  form->AfterConstruction();
}

void TApplication::WndProc(TMessage& message) {
  // Other programs announce new regional settings this way; the process follows them.
  if (message.Msg == WM_WININICHANGE) LoadFormatSettings();
  message.Result = Windowing().DefaultHandling(handle_, message);
}

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace qp
