#include "platform/core/Event.h"

namespace qp {

bool CanBind(const TMethod& method, const std::type_info& signature) {
  return method.Data != nullptr && method.Code->Signature() == signature &&
         method.Data->InheritsFrom(method.Code->DeclaringClass());
}

}  // namespace qp
