#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/MemoryStream.h"
#include "platform/ui/Icon.h"
#include "tests/platform/ui/IconFiles.h"

namespace qp {

// Loads an icon file into icon, as a form description or a file on disk does.
inline void LoadIconFile(TIcon& icon, const std::vector<std::uint8_t>& file) {
  TMemoryStream stream;
  stream.WriteBuffer(file.data(), file.size());
  stream.SetPosition(0);
  icon.LoadFromStream(stream);
}

inline std::unique_ptr<TIcon> IconFromFile(const std::vector<std::uint8_t>& file) {
  auto icon = std::make_unique<TIcon>();
  LoadIconFile(*icon, file);
  return icon;
}

// A square, opaque red 16-colour icon.
inline std::unique_ptr<TIcon> RedIcon(int side) {
  return IconFromFile(IconFileOf({BitmapIconImage(side, 4)}));
}

}  // namespace qp
