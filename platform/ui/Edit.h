#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/Controls.h"

namespace qp {

// A line of text the user can edit, on the system's edit control.
class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Raises OnChange when the text changes.
  void SetText(const std::string& text) override;

  // Raised with the edit as sender whenever its text changes, by code or by the user.
  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // Raises OnChange.
  virtual void Change();

 private:
  void TextEdited();
  std::string WindowText();
};

// Edit notifications.
constexpr std::uint32_t EN_CHANGE = 0x0300;

}  // namespace qp
