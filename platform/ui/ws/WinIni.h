#pragma once

namespace qp {

// The system's WIN.INI, where other programs read the regional settings from.
class TWinIni {
 public:
  virtual ~TWinIni() = default;
  // Writes value under section and key; all three null writes the cached file to disk. Null
  // value deletes the key, null key the section.
  virtual bool WriteString(const char* section, const char* key, const char* value) = 0;
};

TWinIni& WinIni();

}  // namespace qp
