#include "platform/system/IniFile.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "platform/core/Describe.h"
#include "platform/core/StringList.h"
#include "platform/system/Profile.h"

namespace qp {
namespace {

constexpr std::size_t kValueBufferSize = 1024;
constexpr std::size_t kListBufferSize = 8192;
constexpr std::size_t kNameBufferSize = 256;

std::string Shortened(const std::string& name) {
  return name.substr(0, kNameBufferSize - 1);
}

// Replaces the lines of names with the names a profile function stored in buffer, reporting count
// characters, up to the first empty name.
void SetNames(std::span<const char> buffer, std::size_t count, TStrings& names) {
  names.Clear();
  auto stored = buffer.first(std::min(count + 1, buffer.size()));
  while (!stored.empty() && stored.front() != '\0') {
    const auto end = std::find(stored.begin(), stored.end(), '\0');
    names.Add(std::string(stored.begin(), end));
    stored = stored.subspan(std::min<std::size_t>(end - stored.begin() + 1, stored.size()));
  }
}

}  // namespace

const TClass& TIniFile::ClassInfo() {
  static const TClass info{Describe<TIniFile, TObject>("TIniFile")};
  return info;
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  std::array<char, kValueBufferSize> buffer{};
  const std::size_t count = ProfileReadString(fileName_, section, key, defaultValue, buffer);
  return std::string(buffer.data(), count);
}

bool TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  return ProfileWriteString(Shortened(fileName_), Shortened(section), Shortened(key), value);
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) const {
  std::array<char, kListBufferSize> buffer{};
  SetNames(buffer, ProfileReadKeyNames(fileName_, section, buffer), keys);
}

void TIniFile::ReadSections(TStrings& sections) const {
  std::array<char, kListBufferSize> buffer{};
  SetNames(buffer, ProfileReadSectionNames(fileName_, buffer), sections);
}

}  // namespace qp
