#include "platform/core/Object.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TObject::ClassInfo() {
  static const TClass info{Describe<TObject>("TObject")};
  return info;
}

std::string_view TObject::ClassName() const {
  return ClassType().ClassName();
}

bool TObject::InheritsFrom(const TClass& ancestor) const {
  return ClassType().InheritsFrom(ancestor);
}

}  // namespace qp
