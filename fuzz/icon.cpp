// Feeds arbitrary bytes to the icon reader and checks what must hold for every input: it refuses
// them and stays empty, or it keeps an icon whose saved file reads again to the same file; no
// icon handle outlives its icon.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/backends/headless/Graphics.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/Icon.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::uint8_t> Saved(const qp::TIcon& icon) {
  qp::TMemoryStream stream;
  icon.SaveToStream(stream);
  const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
  return {bytes, bytes + stream.GetSize()};
}

void Load(qp::TIcon& icon, const std::uint8_t* data, std::size_t size) {
  qp::TMemoryStream stream;
  if (size > 0) stream.WriteBuffer(data, size);
  stream.SetPosition(0);
  icon.LoadFromStream(stream);
}

void CheckIcon(const std::uint8_t* data, std::size_t size) {
  qp::TIcon icon;
  try {
    Load(icon, data, size);
  } catch (const qp::EInvalidGraphic&) {
    Check(icon.Empty());
    return;
  }
  Check(!icon.Empty() && icon.Handle() != 0);
  Check(icon.Width() >= 1 && icon.Width() <= 256 && icon.Height() >= 1 && icon.Height() <= 256);
  const std::vector<std::uint8_t> saved = Saved(icon);
  Check(saved.size() <= size);
  qp::TIcon again;
  Load(again, saved.data(), saved.size());
  Check(Saved(again) == saved);
  Check(again.Width() == icon.Width() && again.Height() == icon.Height());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckIcon(data, size);
  Check(qp::HeadlessGraphics().LiveIcons() == 0);
  return 0;
}
