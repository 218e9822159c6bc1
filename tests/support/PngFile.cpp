#include "tests/support/PngFile.h"

#include <array>
#include <fstream>

namespace qp {
namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < entries.size(); ++n) {
      std::uint32_t c = n;
      for (int bit = 0; bit < 8; ++bit)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i)
    crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(std::uint8_t(value >> shift));
}

void AppendChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
                 const std::vector<std::uint8_t>& data) {
  AppendBigEndian(out, std::uint32_t(data.size()));
  const std::size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  AppendBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - offset, 0xFFFF);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(std::uint8_t(length));
    out.push_back(std::uint8_t(length >> 8));
    out.push_back(std::uint8_t(~length));
    out.push_back(std::uint8_t(~length >> 8));
    out.insert(out.end(), raw.begin() + std::ptrdiff_t(offset),
               raw.begin() + std::ptrdiff_t(offset + length));
    offset += length;
  } while (offset < raw.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  AppendBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

bool WritePngFile(const std::string& path, std::uint32_t width, std::uint32_t height,
                  const std::vector<std::uint8_t>& rgbRows) {
  const std::size_t rowBytes = std::size_t(width) * 3;
  if (rgbRows.size() != rowBytes * height) return false;
  std::vector<std::uint8_t> filtered;
  filtered.reserve((rowBytes + 1) * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    filtered.push_back(0);  // no filter
    const auto row = rgbRows.begin() + std::ptrdiff_t(y * rowBytes);
    filtered.insert(filtered.end(), row, row + std::ptrdiff_t(rowBytes));
  }

  std::vector<std::uint8_t> header;
  AppendBigEndian(header, width);
  AppendBigEndian(header, height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits per channel, RGB

  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(file, "IHDR", header);
  AppendChunk(file, "IDAT", StoredZlib(filtered));
  AppendChunk(file, "IEND", {});

  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  return bool(out);
}

}  // namespace qp
