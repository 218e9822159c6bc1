#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/core/Object.h"
#include "platform/system/SeekOrigin.h"

namespace qp {

// A sequence of bytes with a position: memory, a file, or whatever a descendant keeps.
class TStream : public TObject {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Move up to count bytes at the position and advance it; fewer at the end of the data or when
  // the device fails.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // The new position from the beginning, or -1 when the stream cannot go there (it stays put).
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t GetPosition() { return Seek(0, TSeekOrigin::soCurrent); }
  // A position the stream refuses leaves it where it was.
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual std::int64_t GetSize();
  // Cuts or extends the data; a position past the new end moves to the end. Raises EWriteError
  // when the stream cannot take that size.
  virtual void SetSize(std::int64_t size) = 0;

  // Move exactly count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies count bytes from source's position, or, for a count of 0, all of source from its
  // beginning; returns the number copied. Raises EReadError when source has fewer.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

}  // namespace qp
