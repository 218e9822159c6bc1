#pragma once

#include "platform/core/Class.h"

namespace qp {

// Integer properties whose type is TColor or whose name ends in "Color" (letter case ignored)
// hold colours; descriptions write their values as colour identifiers where one exists.
bool IsColorProperty(const TPropInfo& property);

}  // namespace qp
