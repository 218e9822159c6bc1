#pragma once

#include <string>

namespace qp {

// The program file's full path up to and including its last directory delimiter or drive colon;
// empty when the path holds neither.
std::string ProgramDir();

}  // namespace qp
