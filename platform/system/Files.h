#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/system/SeekOrigin.h"

namespace qp {

// The file calls answer with the system's classic numeric error codes, the same on every system.
namespace FileError {
constexpr int Success = 0;
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int BadHandle = 6;
constexpr int NotEnoughMemory = 8;
constexpr int GeneralFailure = 31;
constexpr int SharingViolation = 32;
constexpr int FileExists = 80;
constexpr int InvalidParameter = 87;
constexpr int DiskFull = 112;
constexpr int NegativeSeek = 131;
constexpr int FileNameTooLong = 206;
constexpr int InvalidDirectory = 267;
}  // namespace FileError

using THandle = std::intptr_t;
inline constexpr THandle InvalidHandle = -1;

enum class TFileAccess : std::uint8_t { Read, Write, ReadWrite };
// What other opens of the same file may do while this one is open.
enum class TFileShare : std::uint8_t { Exclusive, DenyWrite, DenyRead, DenyNone };

struct THandleResult {
  THandle Handle = InvalidHandle;
  int Error = FileError::Success;
};

struct TCountResult {
  std::size_t Count = 0;
  int Error = FileError::Success;
};

struct TPositionResult {
  std::int64_t Position = -1;
  int Error = FileError::Success;
};

struct TNameResult {
  std::string Name;
  int Error = FileError::Success;
};

// Opens an existing file. A directory is not a file: 5.
THandleResult FileOpen(const std::string& name, TFileAccess access, TFileShare share);
// Creates the file or truncates an existing one; access Read is not a create access (87).
// An open that another open's sharing forbids fails with 32 before anything is truncated.
THandleResult FileCreate(const std::string& name, TFileAccess access, TFileShare share);
int FileClose(THandle handle);
int FileDelete(const std::string& name);
// Both move up to count bytes; a read returns fewer at the end of the file.
TCountResult FileRead(THandle handle, void* buffer, std::size_t count);
TCountResult FileWrite(THandle handle, const void* buffer, std::size_t count);
// The new position from the beginning of the file.
TPositionResult FileSeek(THandle handle, std::int64_t offset, TSeekOrigin origin);
// Cuts or extends the file; the file position stays where it was.
int FileSetSize(THandle handle, std::int64_t size);

// 0 when a file of that name exists, otherwise the code an open would report: 2 for a missing
// file, 3 when a directory on the way is missing, 5 for a directory.
int FileCheckExists(const std::string& name);
// When the file was last written, as a packed date and time of local time (bits 25-31 years
// since 1980, 21-24 month, 16-20 day, 11-15 hours, 5-10 minutes, 0-4 seconds / 2); -1 when
// there is no such file or the time does not fit.
std::int32_t FileAge(const std::string& name);

// The directory for temporary files, ending in a path delimiter.
std::string TempDirectory();
// Creates a new empty file of a unique name in directory (prefix, at most its first three
// characters, then a hex number and ".TMP") and returns that name; 267 when there is no such
// directory.
TNameResult CreateTempFile(const std::string& directory, const std::string& prefix);

// The full path of the running program.
std::string ProgramFileName();

// File names: "\" and "/" delimit directories and ":" ends a drive, on every system.
// The extension with its dot, from the last dot of the name part; empty when it has none.
std::string ExtractFileExt(std::string_view fileName);
// Everything up to and including the last delimiter.
std::string ExtractFilePath(std::string_view fileName);
// Everything after the last delimiter.
std::string ExtractFileName(std::string_view fileName);

}  // namespace qp
