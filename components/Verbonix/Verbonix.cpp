#include "components/Verbonix/Verbonix.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TVerbonix::ClassInfo() {
  static const TClass info{Describe<TVerbonix, TVComboBox>("TVerbonix")};
  return info;
}

TVerbonix::TVerbonix(TComponent* owner) : TVComboBox(owner) {
  auto base = NewEntry(ekLanguage);
  base->LanguageNo = 0;
  base->Value = kBaseLanguageName;
  FLanguages.Add(std::move(base));
}

// The table frees every entry, the base language included.
TVerbonix::~TVerbonix() = default;

}  // namespace qp
