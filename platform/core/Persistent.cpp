#include "platform/core/Persistent.h"

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {

const TClass& TPersistent::ClassInfo() {
  static const TClass info{Describe<TPersistent, TObject>("TPersistent")};
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& destination) const {
  throw EConvertError(std::string(ClassName()) + " kann nicht zu " +
                      std::string(destination.ClassName()) + " zugewiesen werden");
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace qp
