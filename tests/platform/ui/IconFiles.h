#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qp {

// Icon files for tests, image by image, in the layout the system's icon tools write.
struct TTestIconImage {
  std::uint8_t Width = 0;
  std::uint8_t Height = 0;
  std::uint8_t ColorCount = 0;
  std::uint16_t BitCount = 0;
  std::vector<std::uint8_t> Bytes;
};

inline void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i)
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Overwrites size bytes at offset with value, for corrupting a file.
inline void PokeLittleEndian(std::vector<std::uint8_t>& data, std::size_t offset,
                             std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i)
    data[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A bitmap image: header, palette, colour rows and mask rows. Every palette colour is pure red and
// the mask lets every pixel through, so images of up to 8 bits per pixel show as opaque red.
inline TTestIconImage BitmapIconImage(int side, int depth) {
  TTestIconImage image;
  image.Width = static_cast<std::uint8_t>(side);
  image.Height = static_cast<std::uint8_t>(side);
  image.ColorCount = depth < 8 ? static_cast<std::uint8_t>(1 << depth) : 0;
  image.BitCount = static_cast<std::uint16_t>(depth);
  auto& out = image.Bytes;
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(side), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(side * 2), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, static_cast<std::uint32_t>(depth), 2);
  out.resize(40, 0);
  const std::size_t colors = depth <= 8 ? std::size_t{1} << depth : 0;
  for (std::size_t i = 0; i < colors; ++i)
    PutLittleEndian(out, 0x00FF0000, 4);
  const auto rows = static_cast<std::size_t>(side);
  const auto colorRow = static_cast<std::size_t>((side * depth + 31) / 32 * 4);
  const auto maskRow = static_cast<std::size_t>((side + 31) / 32 * 4);
  for (std::size_t i = 0; i < colorRow * rows; ++i)
    out.push_back(static_cast<std::uint8_t>(i * 7));
  out.resize(out.size() + maskRow * rows, 0);
  return image;
}

// Header, directory and images back to back.
inline std::vector<std::uint8_t> IconFileOf(const std::vector<TTestIconImage>& images) {
  std::vector<std::uint8_t> out;
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const auto& image : images) {
    out.push_back(image.Width);
    out.push_back(image.Height);
    out.push_back(image.ColorCount);
    out.push_back(0);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, image.BitCount, 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.Bytes.size()), 4);
    PutLittleEndian(out, offset, 4);
    offset += static_cast<std::uint32_t>(image.Bytes.size());
  }
  for (const auto& image : images)
    out.insert(out.end(), image.Bytes.begin(), image.Bytes.end());
  return out;
}

}  // namespace qp
