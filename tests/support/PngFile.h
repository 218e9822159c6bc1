#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qp {

// Writes 8-bit RGB rows, top row first, as a PNG file; false when the file cannot be written.
// The image data is stored, not compressed: the pictures are for people to look at, not to ship.
bool WritePngFile(const std::string& path, std::uint32_t width, std::uint32_t height,
                  const std::vector<std::uint8_t>& rgbRows);

}  // namespace qp
