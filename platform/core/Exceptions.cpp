#include "platform/core/Exceptions.h"

namespace qp {

void ThrowListIndexError(long long index) {
  throw EListError(
      "Listenindex \xFC"
      "berschreitet das Maximum (" +
      std::to_string(index) + ")");
}

}  // namespace qp
