#include "platform/ui/HeaderControl.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& THeaderSection::ClassInfo() {
  static const TClass info{Describe<THeaderSection, TTextItem>("THeaderSection")};
  return info;
}

const TClass& THeaderSections::ClassInfo() {
  static const TClass info{Describe<THeaderSections, TCollection>("THeaderSections")};
  return info;
}

const TClass& THeaderControl::ClassInfo() {
  static const TClass info{
      Describe<THeaderControl, TWinControl>("THeaderControl")
          .Property("Sections", &THeaderControl::Sections, &THeaderControl::SetSections)};
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>()) {
  SetBounds(0, 0, 250, 17);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::SetSections(THeaderSections* sections) {
  if (sections != nullptr && sections != sections_.get()) sections_->Assign(*sections);
}

}  // namespace qp
