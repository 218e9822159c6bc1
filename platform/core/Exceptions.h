#pragma once

#include <stdexcept>
#include <string>

namespace qp {

// The platform raises these where the program relies on it raising (stream and conversion
// errors); their texts are the platform's own, in the program's 8-bit code page.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

// Fewer bytes remained than a caller asked for.
class EReadError : public EStreamError {
 public:
  EReadError() : EStreamError("Stream-Read-Fehler") {}
};

// Fewer bytes were written than a caller handed over.
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream-Write-Fehler") {}
};

// A file stream could not open or create its file.
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EListError : public Exception {
 public:
  using Exception::Exception;
};

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

// Reading or writing a property that the class does not support in that way.
class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace qp

namespace qp {

// The platform's index error of its lists, naming the index.
[[noreturn]] void ThrowListIndexError(long long index);

}  // namespace qp
