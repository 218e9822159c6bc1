#include "platform/system/Files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <random>
#include <utility>

namespace qp {

namespace {

using namespace FileError;

constexpr std::pair<int, int> kErrnoCodes[] = {
    {ENOENT, FileNotFound},
    {ENOTDIR, PathNotFound},
    {ENAMETOOLONG, FileNameTooLong},
    {EMFILE, TooManyOpenFiles},
    {ENFILE, TooManyOpenFiles},
    {EACCES, AccessDenied},
    {EPERM, AccessDenied},
    {EROFS, AccessDenied},
    {EISDIR, AccessDenied},
    {EBADF, BadHandle},
    {ENOMEM, NotEnoughMemory},
    {ETXTBSY, SharingViolation},
    {EWOULDBLOCK, SharingViolation},
    {EEXIST, FileExists},
    {EINVAL, InvalidParameter},
    {ENOSPC, DiskFull},
    {EDQUOT, DiskFull},
};

int CodeOf(int error) {
  const auto* found = std::find_if(std::begin(kErrnoCodes), std::end(kErrnoCodes),
                                   [error](const auto& entry) { return entry.first == error; });
  return found == std::end(kErrnoCodes) ? GeneralFailure : found->second;
}

bool IsDirectory(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The code of a failed call on a name. The system says "no such entry" both for a missing file
// and for a missing directory on the way, which the classic codes tell apart.
int NameError(const std::string& name, int error) {
  if (error != ENOENT) return CodeOf(error);
  const auto slash = name.find_last_of('/');
  const std::string directory = slash == std::string::npos ? "."
                                : slash == 0               ? "/"
                                                           : name.substr(0, slash);
  return IsDirectory(directory) ? FileNotFound : PathNotFound;
}

// The code of a failed call on a descriptor. A valid descriptor opened without the access the
// call needs is refused as access denied, not as a bad handle.
int DescriptorError(int fd, int error) {
  if ((error == EBADF || error == EINVAL) && ::fcntl(fd, F_GETFL) != -1) return AccessDenied;
  return CodeOf(error);
}

int Descriptor(THandle handle) {
  return handle < 0 || handle > INT_MAX ? -1 : static_cast<int>(handle);
}

// Sharing between opens is advisory, kept with flock locks, which belong to each open of a file
// (so two opens in one process see each other as two processes do). An open that denies others
// something holds a lock: shared for deny-write, exclusive for deny-read and exclusive, which
// flock cannot tell apart. Every open first checks that it could take the lock its own access
// conflicts with: a writer an exclusive one, a reader a shared one. Not covered: denying others
// what an open without a lock already does (a deny-none writer leaves no mark), deny-read that
// still lets writers in, and programs that open the file without these calls.
bool TryLock(int fd, int operation) {
  // A file system without locks shares everything.
  return ::flock(fd, operation | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

int ApplySharing(int fd, TFileAccess access, TFileShare share) {
  const int conflicting = access == TFileAccess::Read ? LOCK_SH : LOCK_EX;
  const int held = share == TFileShare::DenyNone    ? LOCK_UN
                   : share == TFileShare::DenyWrite ? LOCK_SH
                                                    : LOCK_EX;
  return TryLock(fd, conflicting) && TryLock(fd, held) ? Success : SharingViolation;
}

int OpenFlags(TFileAccess access) {
  switch (access) {
    case TFileAccess::Read:
      return O_RDONLY;
    case TFileAccess::Write:
      return O_WRONLY;
    case TFileAccess::ReadWrite:
      break;
  }
  return O_RDWR;
}

// Truncation waits until the sharing check has passed, so a refused create leaves the file alone.
THandleResult OpenShared(const std::string& name, TFileAccess access, TFileShare share,
                         bool create) {
  const int flags = OpenFlags(access) | O_CLOEXEC | (create ? O_CREAT : 0);
  const int fd = ::open(name.c_str(), flags, 0666);
  if (fd < 0) return {InvalidHandle, NameError(name, errno)};
  struct stat info {};
  int error = ::fstat(fd, &info) != 0 ? CodeOf(errno) : Success;
  if (error == Success && S_ISDIR(info.st_mode)) error = AccessDenied;
  if (error == Success) error = ApplySharing(fd, access, share);
  if (error == Success && create && ::ftruncate(fd, 0) != 0) error = CodeOf(errno);
  if (error == Success) return {fd, Success};
  ::close(fd);
  return {InvalidHandle, error};
}

// Moves count bytes in pieces the system accepts, going on after interruptions.
template <class Transfer>
TCountResult TransferAll(THandle handle, std::size_t count, Transfer transfer) {
  const int fd = Descriptor(handle);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t moved = transfer(fd, done, std::min<std::size_t>(count - done, SSIZE_MAX));
    if (moved > 0) {
      done += static_cast<std::size_t>(moved);
    } else if (moved == 0) {
      break;
    } else if (errno != EINTR) {
      return {done, DescriptorError(fd, errno)};
    }
  }
  return {done, Success};
}

}  // namespace

THandleResult FileOpen(const std::string& name, TFileAccess access, TFileShare share) {
  return OpenShared(name, access, share, false);
}

THandleResult FileCreate(const std::string& name, TFileAccess access, TFileShare share) {
  if (access == TFileAccess::Read) return {InvalidHandle, InvalidParameter};
  return OpenShared(name, access, share, true);
}

int FileClose(THandle handle) {
  return ::close(Descriptor(handle)) == 0 ? Success : CodeOf(errno);
}

int FileDelete(const std::string& name) {
  return ::unlink(name.c_str()) == 0 ? Success : NameError(name, errno);
}

TCountResult FileRead(THandle handle, void* buffer, std::size_t count) {
  auto* bytes = static_cast<char*>(buffer);
  return TransferAll(handle, count, [bytes](int fd, std::size_t done, std::size_t piece) {
    return ::read(fd, bytes + done, piece);
  });
}

TCountResult FileWrite(THandle handle, const void* buffer, std::size_t count) {
  const auto* bytes = static_cast<const char*>(buffer);
  return TransferAll(handle, count, [bytes](int fd, std::size_t done, std::size_t piece) {
    return ::write(fd, bytes + done, piece);
  });
}

TPositionResult FileSeek(THandle handle, std::int64_t offset, TSeekOrigin origin) {
  const int fd = Descriptor(handle);
  const off_t position = ::lseek(fd, offset, static_cast<int>(origin));
  if (position >= 0) return {position, Success};
  // The only invalid argument left is a position before the beginning.
  return {-1, errno == EINVAL ? NegativeSeek : DescriptorError(fd, errno)};
}

int FileSetSize(THandle handle, std::int64_t size) {
  if (size < 0) return InvalidParameter;
  const int fd = Descriptor(handle);
  return ::ftruncate(fd, size) == 0 ? Success : DescriptorError(fd, errno);
}

int FileCheckExists(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return NameError(name, errno);
  return S_ISDIR(info.st_mode) ? AccessDenied : Success;
}

std::int32_t FileAge(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return -1;
  std::tm local{};
  if (::localtime_r(&info.st_mtime, &local) == nullptr) return -1;
  const int yearsSince1980 = local.tm_year - 80;
  if (yearsSince1980 < 0 || yearsSince1980 > 127) return -1;
  const auto packed = static_cast<std::uint32_t>(yearsSince1980) << 25 |
                      static_cast<std::uint32_t>(local.tm_mon + 1) << 21 |
                      static_cast<std::uint32_t>(local.tm_mday) << 16 |
                      static_cast<std::uint32_t>(local.tm_hour) << 11 |
                      static_cast<std::uint32_t>(local.tm_min) << 5 |
                      static_cast<std::uint32_t>(std::min(local.tm_sec, 59) / 2);
  return static_cast<std::int32_t>(packed);
}

std::string TempDirectory() {
  const char* configured = std::getenv("TMPDIR");
  std::string directory = configured != nullptr && *configured != '\0' ? configured : "/tmp";
  if (directory.back() != '/') directory += '/';
  return directory;
}

TNameResult CreateTempFile(const std::string& directory, const std::string& prefix) {
  std::string base = directory;
  if (!base.empty() && base.back() != '/') base += '/';
  base += prefix.substr(0, 3);
  constexpr unsigned kNumbers = 0xFFFF;
  const unsigned start = std::random_device{}() % kNumbers;
  for (unsigned i = 0; i < kNumbers; ++i) {
    char number[16];
    std::snprintf(number, sizeof number, "%04X.TMP", (start + i) % kNumbers + 1);
    std::string name = base + number;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return {std::move(name), Success};
    }
    if (errno == ENOENT || errno == ENOTDIR) return {{}, InvalidDirectory};
    if (errno != EEXIST) return {{}, CodeOf(errno)};
  }
  return {{}, FileExists};
}

std::string ProgramFileName() {
  std::error_code ignored;
  return std::filesystem::read_symlink("/proc/self/exe", ignored).string();
}

}  // namespace qp
