#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/core/Method.h"

namespace qp {

// A property value as the reflection facility moves it: ordinal (integers, characters,
// enumerations, sets), float, text, method or object reference.
using TValue = std::variant<std::int32_t, double, std::string, TMethod, TObject*>;

}  // namespace qp
