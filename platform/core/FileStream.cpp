#include "platform/core/FileStream.h"

#include <iterator>
#include <string>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {

namespace {

constexpr std::uint32_t kAccessBits = 0x000F;
constexpr std::uint32_t kShareBits = 0x00F0;

constexpr TFileAccess kAccesses[] = {TFileAccess::Read, TFileAccess::Write, TFileAccess::ReadWrite};
constexpr TFileShare kShares[] = {TFileShare::Exclusive, TFileShare::Exclusive,
                                  TFileShare::DenyWrite, TFileShare::DenyRead,
                                  TFileShare::DenyNone};

THandleResult OpenInMode(const std::string& fileName, std::uint32_t mode) {
  const std::uint32_t createBits = mode & fmCreate;
  const bool create = createBits == fmCreate;
  const std::uint32_t access = create ? fmOpenReadWrite : mode & kAccessBits;
  const std::uint32_t share = (mode & kShareBits) >> 4;
  if ((createBits != 0 && !create) || mode > 0xFFFF || access >= std::size(kAccesses) ||
      share >= std::size(kShares)) {
    return {InvalidHandle, FileError::InvalidParameter};
  }
  return create ? FileCreate(fileName, kAccesses[access], kShares[share])
                : FileOpen(fileName, kAccesses[access], kShares[share]);
}

THandle OpenOrRaise(const std::string& fileName, std::uint32_t mode) {
  const auto opened = OpenInMode(fileName, mode);
  if (opened.Error == FileError::Success) return opened.Handle;
  const char* failure = (mode & fmCreate) == fmCreate ? "erstellt"
                                                      : "ge\xF6"
                                                        "ffnet";
  throw EFOpenError("Datei \"" + fileName + "\" kann nicht " + failure + " werden (Fehler " +
                    std::to_string(opened.Error) + ")");
}

}  // namespace

const TClass& TFileStream::ClassInfo() {
  static const TClass info{Describe<TFileStream, THandleStream>("TFileStream")};
  return info;
}

TFileStream::TFileStream(const std::string& fileName, std::uint32_t mode)
    : THandleStream(OpenOrRaise(fileName, mode)), fileName_(fileName) {}

TFileStream::~TFileStream() {
  FileClose(Handle());
}

}  // namespace qp
