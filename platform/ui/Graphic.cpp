#include "platform/ui/Graphic.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TGraphic::ClassInfo() {
  static const TClass info{Describe<TGraphic, TPersistent>("TGraphic")};
  return info;
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { LoadFromStream(stream); },
      [this](TStream& stream) { SaveToStream(stream); }, !Empty());
}

}  // namespace qp
