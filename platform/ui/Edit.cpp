#include "platform/ui/Edit.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/ui/MessageParams.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;

}  // namespace

const TClass& TEdit::ClassInfo() {
  static const TClass info{Describe<TEdit, TWinControl>("TEdit")
                               .Property("Text", &TEdit::Text, &TEdit::SetText)
                               .Property("OnChange", &TEdit::OnChange)
                               .Property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop)
                               .Default(1)};
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::SetText(const std::string& text) {
  if (text == Text()) return;
  TWinControl::SetText(text);
  Change();
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (NotificationCode(message) == EN_CHANGE) TextEdited();
    return;
  }
  TWinControl::WndProc(message);
}

void TEdit::TextEdited() {
  // The system reports every change of the window's text, also the one that SetText made; that
  // one finds the text already known.
  std::string edited = WindowText();
  if (edited == text_) return;
  text_ = std::move(edited);
  Change();
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = "EDIT";
  params.Style |= ES_AUTOHSCROLL;
  if (Ctl3D()) {
    params.ExStyle |= WS_EX_CLIENTEDGE;
  } else {
    params.Style |= WS_BORDER;
  }
}

void TEdit::Change() {
  OnChange(this);
}

std::string TEdit::WindowText() {
  const TWindowHandle window = Handle();
  const auto length =
      std::max<std::intptr_t>(Windowing().SendTo(window, WM_GETTEXTLENGTH, 0, 0), 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const std::intptr_t copied = Windowing().SendTo(window, WM_GETTEXT, text.size(),
                                                  reinterpret_cast<std::intptr_t>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<std::intptr_t>(copied, 0, length)));
  return text;
}

}  // namespace qp
