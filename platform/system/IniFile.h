#pragma once

#include <string>

#include "platform/core/Object.h"

namespace qp {

class TStrings;

// An INI file read and written through the profile functions (Profile.h), which open the file
// for every single call: a missing file reads as empty and is created by the first write.
class TIniFile : public TObject {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  explicit TIniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }

  // At most 1,023 characters of the value; the default when the section or key is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Section, key and file name are cut to 255 characters. True when the file was written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Clears keys and fills it with the key names of section, as far as they fit 8,192 bytes.
  void ReadSection(const std::string& section, TStrings& keys) const;
  // Clears sections and fills it with the section names, as far as they fit 8,192 bytes.
  void ReadSections(TStrings& sections) const;

 private:
  std::string fileName_;
};

}  // namespace qp
