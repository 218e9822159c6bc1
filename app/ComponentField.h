#pragma once

#include <string_view>

#include "platform/core/Component.h"

namespace qp {

// The component of owner with that name if it is a T, for binding a form's fields once it is read.
template <class T>
T* ComponentField(const TComponent& owner, std::string_view name) {
  return dynamic_cast<T*>(owner.FindComponent(name));
}

}  // namespace qp
