#include "tests/support/Screenshot.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "tests/support/PngFile.h"

namespace qp {
namespace {

// Top row first, 8-bit RGB.
std::vector<std::uint8_t> CaptureScreen(int width, int height) {
  std::vector<std::uint8_t> rgb;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY)) {
      GdiFlush();
      const auto* bgra = static_cast<const std::uint8_t*>(bits);
      rgb.reserve(std::size_t(width) * std::size_t(height) * 3);
      for (std::size_t i = 0; i < std::size_t(width) * std::size_t(height); ++i) {
        rgb.insert(rgb.end(), {bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]});
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rgb;
}

}  // namespace

bool SaveScreenshot(const std::string& fileName) {
  const std::string folder = QP_SCREENSHOT_DIR;
  CreateDirectoryA(folder.c_str(), nullptr);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const std::vector<std::uint8_t> rgb = CaptureScreen(width, height);
  return !rgb.empty() &&
         WritePngFile(folder + "\\" + fileName, std::uint32_t(width), std::uint32_t(height), rgb);
}

}  // namespace qp
