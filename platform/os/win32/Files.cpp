#include "platform/system/Files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace qp {

namespace {

using namespace FileError;

int LastError() {
  return static_cast<int>(::GetLastError());
}

HANDLE AsHandle(THandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

DWORD DesiredAccess(TFileAccess access) {
  switch (access) {
    case TFileAccess::Read:
      return GENERIC_READ;
    case TFileAccess::Write:
      return GENERIC_WRITE;
    case TFileAccess::ReadWrite:
      break;
  }
  return GENERIC_READ | GENERIC_WRITE;
}

DWORD ShareMode(TFileShare share) {
  switch (share) {
    case TFileShare::Exclusive:
      return 0;
    case TFileShare::DenyWrite:
      return FILE_SHARE_READ;
    case TFileShare::DenyRead:
      return FILE_SHARE_WRITE;
    case TFileShare::DenyNone:
      break;
  }
  return FILE_SHARE_READ | FILE_SHARE_WRITE;
}

THandleResult OpenHandle(const std::string& name, TFileAccess access, TFileShare share,
                         DWORD disposition) {
  const HANDLE handle = ::CreateFileA(name.c_str(), DesiredAccess(access), ShareMode(share),
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {InvalidHandle, LastError()};
  return {reinterpret_cast<THandle>(handle), Success};
}

// The invalid handle value doubles as the pseudo handle of the own process, which the system
// would accept, so the calls on handles refuse it themselves.
bool IsInvalid(THandle handle) {
  return handle == InvalidHandle;
}

// Moves count bytes in pieces that fit the system's 32-bit counts.
template <class Transfer>
TCountResult TransferAll(THandle handle, std::size_t count, Transfer transfer) {
  if (IsInvalid(handle)) return {0, BadHandle};
  constexpr std::size_t kLargestPiece = 0x40000000;
  std::size_t done = 0;
  while (done < count) {
    DWORD moved = 0;
    const auto piece = static_cast<DWORD>(std::min(count - done, kLargestPiece));
    if (!transfer(AsHandle(handle), done, piece, &moved)) return {done, LastError()};
    if (moved == 0) break;
    done += moved;
  }
  return {done, Success};
}

}  // namespace

THandleResult FileOpen(const std::string& name, TFileAccess access, TFileShare share) {
  return OpenHandle(name, access, share, OPEN_EXISTING);
}

THandleResult FileCreate(const std::string& name, TFileAccess access, TFileShare share) {
  if (access == TFileAccess::Read) return {InvalidHandle, InvalidParameter};
  return OpenHandle(name, access, share, CREATE_ALWAYS);
}

int FileClose(THandle handle) {
  if (IsInvalid(handle)) return BadHandle;
  return ::CloseHandle(AsHandle(handle)) ? Success : LastError();
}

int FileDelete(const std::string& name) {
  return ::DeleteFileA(name.c_str()) ? Success : LastError();
}

TCountResult FileRead(THandle handle, void* buffer, std::size_t count) {
  auto* bytes = static_cast<char*>(buffer);
  return TransferAll(handle, count,
                     [bytes](HANDLE file, std::size_t done, DWORD piece, DWORD* moved) {
                       return ::ReadFile(file, bytes + done, piece, moved, nullptr);
                     });
}

TCountResult FileWrite(THandle handle, const void* buffer, std::size_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  return TransferAll(handle, count,
                     [bytes](HANDLE file, std::size_t done, DWORD piece, DWORD* moved) {
                       return ::WriteFile(file, bytes + done, piece, moved, nullptr);
                     });
}

TPositionResult FileSeek(THandle handle, std::int64_t offset, TSeekOrigin origin) {
  if (IsInvalid(handle)) return {-1, BadHandle};
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!::SetFilePointerEx(AsHandle(handle), distance, &position, static_cast<DWORD>(origin))) {
    return {-1, LastError()};
  }
  return {position.QuadPart, Success};
}

int FileSetSize(THandle handle, std::int64_t size) {
  if (size < 0) return InvalidParameter;
  const auto kept = FileSeek(handle, 0, TSeekOrigin::soCurrent);
  if (kept.Error != Success) return kept.Error;
  const auto end = FileSeek(handle, size, TSeekOrigin::soBeginning);
  if (end.Error != Success) return end.Error;
  const int error = ::SetEndOfFile(AsHandle(handle)) ? Success : LastError();
  FileSeek(handle, kept.Position, TSeekOrigin::soBeginning);
  return error;
}

int FileCheckExists(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastError();
  return attributes & FILE_ATTRIBUTE_DIRECTORY ? AccessDenied : Success;
}

std::int32_t FileAge(const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data) ||
      data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    return -1;
  }
  // Converted through the calendar rather than by the current offset, so that a summer time
  // stamp reads the same in winter.
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  FILETIME localTime{};
  WORD date = 0;
  WORD time = 0;
  if (!::FileTimeToSystemTime(&data.ftLastWriteTime, &universal) ||
      !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local) ||
      !::SystemTimeToFileTime(&local, &localTime) ||
      !::FileTimeToDosDateTime(&localTime, &date, &time)) {
    return -1;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(date) << 16 | time);
}

std::string TempDirectory() {
  char path[MAX_PATH + 1];
  const DWORD length = ::GetTempPathA(sizeof path, path);
  return length == 0 || length > sizeof path ? std::string() : std::string(path, length);
}

TNameResult CreateTempFile(const std::string& directory, const std::string& prefix) {
  char name[MAX_PATH];
  if (::GetTempFileNameA(directory.c_str(), prefix.c_str(), 0, name) == 0) return {{}, LastError()};
  return {name, Success};
}

std::string ProgramFileName() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), path.size());
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

}  // namespace qp
