#pragma once

#include "platform/ui/ws/WinIni.h"

namespace qp {

// WriteProfileStringA. The flush answers what the system answers: false under Wine, which writes
// the file all the same.
class TWin32WinIni final : public TWinIni {
 public:
  bool WriteString(const char* section, const char* key, const char* value) override;
};

}  // namespace qp
