#include "platform/system/Profile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include "platform/system/IniText.h"

namespace qp {
namespace {

std::string UpToNul(const std::string& text) {
  return text.c_str();
}

// A missing file reads as an empty one; nothing when the file is there but cannot be read.
std::optional<std::string> ReadFile(const std::string& name) {
  std::error_code error;
  if (!std::filesystem::exists(name, error)) return std::string();
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ReadForLookup(const std::string& fileName) {
  return ReadFile(UpToNul(fileName)).value_or(std::string());
}

}  // namespace

std::size_t ProfileReadString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::span<char> buffer) {
  const IniText text(ReadForLookup(fileName));
  if (const auto value = text.Value(UpToNul(section), UpToNul(key))) {
    return CopyProfileValue(*value, buffer);
  }
  return CopyProfileDefault(UpToNul(defaultValue), buffer);
}

std::size_t ProfileReadKeyNames(const std::string& fileName, const std::string& section,
                                std::span<char> buffer) {
  const IniText text(ReadForLookup(fileName));
  return CopyProfileList(text.KeyNames(UpToNul(section)), buffer);
}

std::size_t ProfileReadSectionNames(const std::string& fileName, std::span<char> buffer) {
  const IniText text(ReadForLookup(fileName));
  return CopyProfileList(text.SectionNames(), buffer);
}

bool ProfileWriteString(const std::string& fileName, const std::string& section,
                        const std::string& key, const std::string& value) {
  const std::string name = UpToNul(fileName);
  auto content = ReadFile(name);
  if (!content) return false;
  IniText text(std::move(*content));
  text.Write(UpToNul(section), UpToNul(key), UpToNul(value));
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file << text.Text();
  file.close();
  return !file.fail();
}

}  // namespace qp
