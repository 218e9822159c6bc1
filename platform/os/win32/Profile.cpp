#include "platform/system/Profile.h"

#include <windows.h>

namespace qp {
namespace {

DWORD SizeOf(std::span<char> buffer) {
  return static_cast<DWORD>(buffer.size());
}

}  // namespace

std::size_t ProfileReadString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::span<char> buffer) {
  return ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                    buffer.data(), SizeOf(buffer), fileName.c_str());
}

std::size_t ProfileReadKeyNames(const std::string& fileName, const std::string& section,
                                std::span<char> buffer) {
  // Without a key the function lists the keys; the default must be empty for a missing file.
  return ::GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(), SizeOf(buffer),
                                    fileName.c_str());
}

std::size_t ProfileReadSectionNames(const std::string& fileName, std::span<char> buffer) {
  return ::GetPrivateProfileSectionNamesA(buffer.data(), SizeOf(buffer), fileName.c_str());
}

bool ProfileWriteString(const std::string& fileName, const std::string& section,
                        const std::string& key, const std::string& value) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      fileName.c_str()) != FALSE;
}

}  // namespace qp
