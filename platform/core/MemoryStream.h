#pragma once

#include <string>
#include <vector>

#include "platform/core/Stream.h"

namespace qp {

// A stream in memory that grows as it is written; writing past the end fills the gap with zeros.
class TMemoryStream : public TStream {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Any position from 0 on, also past the end.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t GetSize() override { return static_cast<std::int64_t>(data_.size()); }
  void SetSize(std::int64_t size) override;

  // The bytes themselves, valid until the size changes.
  void* Memory() { return data_.data(); }
  const void* Memory() const { return data_.data(); }
  void Clear();

  // Replaces the contents with all of source, read from its beginning.
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& destination) const;
  // Raise EFOpenError when the file cannot be opened or created.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  std::vector<unsigned char> data_;
  std::int64_t position_ = 0;
};

}  // namespace qp
