#include "platform/ui/Button.h"

#include "platform/core/Describe.h"
#include "platform/ui/MessageParams.h"

namespace qp {

const TClass& TButton::ClassInfo() {
  static const TClass info{
      Describe<TButton, TWinControl>("TButton")
          .Property("Caption", &TButton::Text, &TButton::SetText)
          .Property("Default", &TButton::Default, &TButton::SetDefault)
          .Default(0)
          .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
          .Default(mrNone)
          .Property("TabStop", &TButton::TabStop, &TButton::SetTabStop)
          .Default(1)};
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  if (HandleAllocated()) Windowing().SendTo(Handle(), BM_SETSTYLE, ButtonStyle(), 1);
}

void TButton::Click() {
  if (modalResult_ != mrNone) {
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (NotificationCode(message) == BN_CLICKED) Click();
    return;
  }
  TWinControl::WndProc(message);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = "BUTTON";
  params.Style |= ButtonStyle();
}

std::uint32_t TButton::ButtonStyle() const {
  return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

TForm* TButton::ParentForm() const {
  for (TWinControl* parent = Parent(); parent != nullptr; parent = parent->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(parent)) return form;
  }
  return nullptr;
}

}  // namespace qp
