#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qp {

// Icon files above this size are refused before they are read.
constexpr std::int64_t kMaxIconFileSize = 4 << 20;

// One image of an icon file: its directory entry and its bytes, an uncompressed device-independent
// bitmap (colour image and mask) or a PNG image.
struct TIconImage {
  // As the directory stores them: 0 stands for 256.
  std::uint8_t Width = 0;
  std::uint8_t Height = 0;
  std::uint8_t ColorCount = 0;
  std::uint16_t Planes = 0;
  std::uint16_t BitCount = 0;
  // The bits per pixel of the image itself, whatever the directory says.
  std::int32_t Depth = 0;
  std::span<const std::uint8_t> Bytes;

  std::int32_t PixelWidth() const { return Width == 0 ? 256 : Width; }
  std::int32_t PixelHeight() const { return Height == 0 ? 256 : Height; }
};

// Raises EInvalidGraphic with the text of data that is no icon file.
[[noreturn]] void ThrowInvalidIcon();

// The images of an icon file, referring into data. Raises EInvalidGraphic unless data has a
// header with reserved word 0, type 0 or 1 and at least one image, a complete directory, and
// images that lie inside data after the directory, together no larger than data, and hold all
// the pixels their headers announce.
std::vector<TIconImage> ReadIconFile(std::span<const std::uint8_t> data);

// The icon file of images: a 6-byte header, a 16-byte directory entry per image, the images in
// the same order.
std::vector<std::uint8_t> WriteIconFile(const std::vector<TIconImage>& images);

// The image an icon handle shows: the one nearest to the standard 32 by 32 pixels, of those the
// one with the most colours, of those the first. images must not be empty.
const TIconImage& StandardIconImage(const std::vector<TIconImage>& images);

}  // namespace qp
