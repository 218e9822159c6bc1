#include "platform/core/Stream.h"

#include <algorithm>
#include <vector>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {

const TClass& TStream::ClassInfo() {
  static const TClass info{Describe<TStream, TObject>("TStream")};
  return info;
}

std::int64_t TStream::GetSize() {
  const std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (Write(buffer, count) != count) throw EWriteError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.GetSize();
  }
  // The buffer is bounded by what is copied at once, not by what the caller asked for.
  constexpr std::int64_t kPiece = 0x10000;
  std::vector<char> buffer(static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, kPiece)));
  std::int64_t copied = 0;
  while (copied < count) {
    const auto piece = static_cast<std::size_t>(std::min(count - copied, kPiece));
    source.ReadBuffer(buffer.data(), piece);
    WriteBuffer(buffer.data(), piece);
    copied += static_cast<std::int64_t>(piece);
  }
  return copied;
}

}  // namespace qp
