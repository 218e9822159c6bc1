#pragma once

#include <cstdint>
#include <string>

#include "platform/core/HandleStream.h"

namespace qp {

// The mode of a file stream: fmCreate or one access, or'ed with one sharing mode. fmCreate makes
// a new file (or empties an existing one) for reading and writing. fmShareCompat shares nothing,
// as fmShareExclusive.
constexpr std::uint32_t fmCreate = 0xFF00;
constexpr std::uint32_t fmOpenRead = 0x0000;
constexpr std::uint32_t fmOpenWrite = 0x0001;
constexpr std::uint32_t fmOpenReadWrite = 0x0002;
constexpr std::uint32_t fmShareCompat = 0x0000;
constexpr std::uint32_t fmShareExclusive = 0x0010;
constexpr std::uint32_t fmShareDenyWrite = 0x0020;
constexpr std::uint32_t fmShareDenyRead = 0x0030;
constexpr std::uint32_t fmShareDenyNone = 0x0040;

// A stream over a file that it opens by name and closes when destroyed.
class TFileStream : public THandleStream {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Raises EFOpenError, naming the file and the system's code, when the file cannot be opened
  // or created in that mode (87 for a mode that is none of the above).
  TFileStream(const std::string& fileName, std::uint32_t mode);
  ~TFileStream() override;

  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};

}  // namespace qp
