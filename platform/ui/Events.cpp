#include "platform/ui/Events.h"

namespace qp {

const TTypeInfo& TypeInfoFor(TMouseButton*) {
  static const TTypeInfo type = MakeEnumType("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
  return type;
}

const TTypeInfo& TypeInfoFor(TShiftState*) {
  static const TTypeInfo members =
      MakeEnumType("TShiftStateFlag",
                   {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"});
  static const TTypeInfo type = MakeSetType("TShiftState", members);
  return type;
}

const TTypeInfo& TypeInfoFor(TOwnerDrawState*) {
  static const TTypeInfo members = MakeEnumType(
      "TOwnerDrawStateFlag", {"odSelected", "odGrayed", "odDisabled", "odChecked", "odFocused"});
  static const TTypeInfo type = MakeSetType("TOwnerDrawState", members);
  return type;
}

}  // namespace qp
