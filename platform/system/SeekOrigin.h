#pragma once

#include <cstdint>

namespace qp {

// Where a seek offset counts from; the values are the ones the file calls pass to the system.
enum class TSeekOrigin : std::uint8_t { soBeginning = 0, soCurrent = 1, soEnd = 2 };

}  // namespace qp
