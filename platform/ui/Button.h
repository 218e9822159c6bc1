#pragma once

#include <cstdint>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace qp {

// A push button on the system's button control.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  // The default button of its form is drawn with a heavier frame.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  // What a click sets as the modal result of the button's form; mrNone sets nothing.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  // Sets the form's modal result (see ModalResult), then raises OnClick.
  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::uint32_t ButtonStyle() const;
  TForm* ParentForm() const;

  bool default_ = false;
  TModalResult modalResult_ = mrNone;
};

// Button messages and notifications.
constexpr std::uint32_t BM_SETCHECK = 0x00F1;
constexpr std::uint32_t BM_SETSTYLE = 0x00F4;
constexpr std::uint32_t BN_CLICKED = 0;
constexpr std::uintptr_t BST_UNCHECKED = 0;
constexpr std::uintptr_t BST_CHECKED = 1;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr std::uint32_t BS_RADIOBUTTON = 0x0004;

}  // namespace qp
