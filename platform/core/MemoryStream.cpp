#include "platform/core/MemoryStream.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileStream.h"

namespace qp {

const TClass& TMemoryStream::ClassInfo() {
  static const TClass info{Describe<TMemoryStream, TStream>("TMemoryStream")};
  return info;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const auto size = GetSize();
  if (position_ >= size) return 0;
  const auto available = static_cast<std::size_t>(size - position_);
  const std::size_t moved = std::min(count, available);
  std::copy_n(data_.data() + position_, moved, static_cast<unsigned char*>(buffer));
  position_ += static_cast<std::int64_t>(moved);
  return moved;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (count > data_.max_size() ||
      static_cast<std::uint64_t>(position_) > data_.max_size() - count) {
    return 0;
  }
  const auto end = static_cast<std::size_t>(position_) + count;
  if (end > data_.size()) data_.resize(end);
  std::copy_n(static_cast<const unsigned char*>(buffer), count, data_.data() + position_);
  position_ = static_cast<std::int64_t>(end);
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                            : origin == TSeekOrigin::soCurrent ? position_
                                                               : GetSize();
  std::int64_t target = 0;
  if (__builtin_add_overflow(base, offset, &target) || target < 0) return -1;
  position_ = target;
  return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0 || static_cast<std::uint64_t>(size) > data_.max_size()) throw EWriteError();
  data_.resize(static_cast<std::size_t>(size));
  position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
  data_ = {};
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  SetSize(source.GetSize());
  source.ReadBuffer(data_.data(), data_.size());
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  destination.WriteBuffer(data_.data(), data_.size());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

}  // namespace qp
