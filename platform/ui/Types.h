#pragma once

#include <cstdint>

namespace qp {

// Handles of the window system's objects; 0 is none.
using TWindowHandle = std::uintptr_t;
using TMenuHandle = std::uintptr_t;
using TIconHandle = std::uintptr_t;
using TBitmapHandle = std::uintptr_t;
using TDeviceContext = std::uintptr_t;

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// A window message as a window procedure receives it; the procedure leaves its answer in Result.
struct TMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

}  // namespace qp
