#include "platform/ui/IconFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/ui/Graphic.h"

namespace qp {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int32_t kMaxImageSide = 256;
constexpr std::int32_t kStandardIconSide = 32;
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint16_t Word(std::span<const std::uint8_t> data, std::size_t at) {
  return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

std::uint32_t DoubleWord(std::span<const std::uint8_t> data, std::size_t at) {
  return Word(data, at) | static_cast<std::uint32_t>(Word(data, at + 2)) << 16;
}

void PutWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDoubleWord(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

bool IsPng(std::span<const std::uint8_t> image) {
  return image.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin());
}

// The bits per pixel of a bitmap image after checking that it holds every row of its colour
// image and its mask. Its header counts the rows of both, twice the height of the icon.
std::int32_t BitmapDepth(std::span<const std::uint8_t> image) {
  if (image.size() < kInfoHeaderSize) ThrowInvalidIcon();
  const std::uint32_t headerSize = DoubleWord(image, 0);
  const auto width = static_cast<std::int32_t>(DoubleWord(image, 4));
  const auto doubleHeight = static_cast<std::int32_t>(DoubleWord(image, 8));
  const std::uint16_t depth = Word(image, 14);
  const std::uint32_t compression = DoubleWord(image, 16);
  const std::uint32_t colorsUsed = DoubleWord(image, 32);
  const std::int32_t height = doubleHeight / 2;
  constexpr std::array<std::uint16_t, 6> kDepths{1, 4, 8, 16, 24, 32};
  if (headerSize < kInfoHeaderSize || headerSize > image.size() || width < 1 ||
      width > kMaxImageSide || height < 1 || height > kMaxImageSide || compression != 0 ||
      std::find(kDepths.begin(), kDepths.end(), depth) == kDepths.end()) {
    ThrowInvalidIcon();
  }
  const std::uint64_t colors = colorsUsed != 0 ? colorsUsed : depth <= 8 ? 1u << depth : 0;
  const auto rowBytes = [](std::uint64_t bits) { return (bits + 31) / 32 * 4; };
  const std::uint64_t pixels = (rowBytes(std::uint64_t{1} * width * depth) + rowBytes(width)) *
                               static_cast<std::uint64_t>(height);
  if (headerSize + colors * 4 + pixels > image.size()) ThrowInvalidIcon();
  return depth;
}

}  // namespace

void ThrowInvalidIcon() {
  throw EInvalidGraphic("Ung\xFCltiges Symbolformat");
}

std::vector<TIconImage> ReadIconFile(std::span<const std::uint8_t> data) {
  if (data.size() < kHeaderSize || Word(data, 0) != 0 || Word(data, 2) > 1) ThrowInvalidIcon();
  const std::size_t count = Word(data, 4);
  const std::size_t directoryEnd = kHeaderSize + count * kEntrySize;
  if (count == 0 || directoryEnd > data.size()) ThrowInvalidIcon();
  std::vector<TIconImage> images(count);
  // Images that share bytes would make the written file larger than the data read.
  std::uint64_t total = directoryEnd;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeaderSize + i * kEntrySize;
    const std::uint32_t size = DoubleWord(data, entry + 8);
    const std::uint32_t offset = DoubleWord(data, entry + 12);
    total += size;
    if (size == 0 || offset < directoryEnd || offset > data.size() || size > data.size() - offset ||
        total > data.size()) {
      ThrowInvalidIcon();
    }
    TIconImage& image = images[i];
    image.Width = data[entry];
    image.Height = data[entry + 1];
    image.ColorCount = data[entry + 2];
    image.Planes = Word(data, entry + 4);
    image.BitCount = Word(data, entry + 6);
    image.Bytes = data.subspan(offset, size);
    image.Depth = IsPng(image.Bytes) ? 32 : BitmapDepth(image.Bytes);
  }
  return images;
}

std::vector<std::uint8_t> WriteIconFile(const std::vector<TIconImage>& images) {
  std::vector<std::uint8_t> out;
  PutWord(out, 0);
  PutWord(out, 1);
  PutWord(out, static_cast<std::uint32_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(kHeaderSize + images.size() * kEntrySize);
  for (const TIconImage& image : images) {
    out.push_back(image.Width);
    out.push_back(image.Height);
    out.push_back(image.ColorCount);
    out.push_back(0);
    PutWord(out, image.Planes);
    PutWord(out, image.BitCount);
    PutDoubleWord(out, static_cast<std::uint32_t>(image.Bytes.size()));
    PutDoubleWord(out, offset);
    offset += static_cast<std::uint32_t>(image.Bytes.size());
  }
  for (const TIconImage& image : images) {
    out.insert(out.end(), image.Bytes.begin(), image.Bytes.end());
  }
  return out;
}

const TIconImage& StandardIconImage(const std::vector<TIconImage>& images) {
  const auto distance = [](const TIconImage& image) {
    return std::abs(image.PixelWidth() - kStandardIconSide) +
           std::abs(image.PixelHeight() - kStandardIconSide);
  };
  return *std::min_element(images.begin(), images.end(), [&](const auto& a, const auto& b) {
    if (distance(a) != distance(b)) return distance(a) < distance(b);
    return a.Depth > b.Depth;
  });
}

}  // namespace qp
