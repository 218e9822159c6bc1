#include "platform/backends/win32/WinIni.h"

#include <windows.h>

namespace qp {

bool TWin32WinIni::WriteString(const char* section, const char* key, const char* value) {
  return WriteProfileStringA(section, key, value) != FALSE;
}

TWinIni& WinIni() {
  static TWin32WinIni winIni;
  return winIni;
}

}  // namespace qp
