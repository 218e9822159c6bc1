#pragma once

#include "platform/core/Stream.h"
#include "platform/system/Files.h"

namespace qp {

// A stream over a handle of the file calls. The handle stays the caller's: destroying the stream
// leaves it open.
class THandleStream : public TStream {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  explicit THandleStream(THandle handle) : handle_(handle) {}

  THandle Handle() const { return handle_; }

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

 private:
  THandle handle_;
};

}  // namespace qp
