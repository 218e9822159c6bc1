#include "platform/core/HandleStream.h"

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {

const TClass& THandleStream::ClassInfo() {
  static const TClass info{Describe<THandleStream, TStream>("THandleStream")};
  return info;
}

std::size_t THandleStream::Read(void* buffer, std::size_t count) {
  return FileRead(handle_, buffer, count).Count;
}

std::size_t THandleStream::Write(const void* buffer, std::size_t count) {
  return FileWrite(handle_, buffer, count).Count;
}

std::int64_t THandleStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const auto result = FileSeek(handle_, offset, origin);
  return result.Error == FileError::Success ? result.Position : -1;
}

void THandleStream::SetSize(std::int64_t size) {
  if (FileSetSize(handle_, size) != FileError::Success) throw EWriteError();
  if (GetPosition() > size) SetPosition(size);
}

}  // namespace qp
