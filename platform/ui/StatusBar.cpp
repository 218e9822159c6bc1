#include "platform/ui/StatusBar.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TStatusPanel::ClassInfo() {
  static const TClass info{Describe<TStatusPanel, TTextItem>("TStatusPanel")};
  return info;
}

const TClass& TStatusPanels::ClassInfo() {
  static const TClass info{Describe<TStatusPanels, TCollection>("TStatusPanels")};
  return info;
}

const TClass& TStatusBar::ClassInfo() {
  static const TClass info{Describe<TStatusBar, TWinControl>("TStatusBar")
                               .Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels)};
  return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>()) {
  SetBounds(0, 0, 250, 19);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetPanels(TStatusPanels* panels) {
  if (panels != nullptr && panels != panels_.get()) panels_->Assign(*panels);
}

}  // namespace qp
