#include "app/ProgramDir.h"

#include "platform/system/Files.h"

namespace qp {

// The platform's file names take "/" as a delimiter beside "\" on every system, so on Linux the
// path is cut after its last "/" as well.
std::string ProgramDir() {
  return ExtractFilePath(ProgramFileName());
}

}  // namespace qp
