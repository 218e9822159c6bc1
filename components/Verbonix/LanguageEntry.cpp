#include "components/Verbonix/LanguageEntry.h"

namespace qp {

TComponent* TLanguageEntry::Component() const {
  auto* const* component = std::get_if<TComponent*>(&target_);
  return component != nullptr ? *component : nullptr;
}

void TLanguageEntry::SetComponent(TComponent* component) {
  target_ = component;
}

TIcon* TLanguageEntry::Icon() const {
  const auto* icon = std::get_if<std::unique_ptr<TIcon>>(&target_);
  return icon != nullptr ? icon->get() : nullptr;
}

void TLanguageEntry::SetIcon(std::unique_ptr<TIcon> icon) {
  target_ = std::move(icon);
}

}  // namespace qp
