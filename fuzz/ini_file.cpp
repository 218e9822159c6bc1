// Reads arbitrary bytes as an INI file the way the platform's profile functions do, lists and
// reads everything in it into small buffers, writes into it and checks that the writes read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system/IniText.h"

namespace {

constexpr std::size_t kNamesTried = 8;

void Require(bool condition) {
  if (!condition) std::abort();
}

void ReadEverything(const qp::IniText& text, std::vector<char>& buffer) {
  const auto sections = text.SectionNames();
  qp::CopyProfileList(sections, buffer);
  for (std::size_t s = 0; s < sections.size() && s < kNamesTried; ++s) {
    const auto keys = text.KeyNames(sections[s]);
    qp::CopyProfileList(keys, buffer);
    for (std::size_t k = 0; k < keys.size() && k < kNamesTried; ++k) {
      const auto value = text.Value(sections[s], keys[k]);
      qp::CopyProfileValue(value.value_or(keys[k]), buffer);
      qp::CopyProfileDefault(keys[k], buffer);
    }
  }
}

void WriteAndReadBack(qp::IniText& text, const std::string& section, const std::string& key) {
  text.Write(section, key, " written ");
  Require(text.Value(section, key) == "written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte chooses a small buffer, which reaches the paths that cut values and lists.
  std::vector<char> buffer(size == 0 ? 0 : data[0] % 24);
  qp::IniText text(std::string(reinterpret_cast<const char*>(data), size));
  ReadEverything(text, buffer);

  const auto sections = text.SectionNames();
  if (!sections.empty()) {
    const std::string section(sections.back());
    const auto keys = text.KeyNames(section);
    WriteAndReadBack(text, section, keys.empty() ? "Key" : std::string(keys.back()));
  }
  WriteAndReadBack(text, "Fuzz", "Key");
  ReadEverything(text, buffer);
  return 0;
}
