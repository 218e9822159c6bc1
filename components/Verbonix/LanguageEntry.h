#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "platform/ui/Icon.h"

namespace qp {

class TComponent;
class TPropInfo;

// Stored as one byte; a stored table may carry any byte value here.
enum class TEntryKind : std::uint8_t { ekLanguage = 0, ekProperty = 1, ekUnresolved = 2 };
using enum TEntryKind;

// One record of the language table: a language (number, name in Value, icon) or one value of
// one component property in one language. Entries are never copied or moved: list items point
// at them.
class TLanguageEntry {
 public:
  explicit TLanguageEntry(TEntryKind kind) : Kind(kind) {}
  TLanguageEntry(const TLanguageEntry&) = delete;
  TLanguageEntry& operator=(const TLanguageEntry&) = delete;

  TEntryKind Kind;
  std::int32_t LanguageNo = -1;
  std::string ComponentName;
  // -1 stands for the form itself.
  std::int32_t ComponentIndex = -1;

  // A property entry refers to its component without owning it; a language entry owns its
  // icon. The slot holds one or the other, so reading the role it does not hold gives nullptr.
  TComponent* Component() const;
  void SetComponent(TComponent* component);
  TIcon* Icon() const;
  void SetIcon(std::unique_ptr<TIcon> icon);

  std::string PropertyName;
  const TPropInfo* PropInfo = nullptr;
  // -1 for the property itself, else a line, item or nested property of it.
  std::int32_t SubIndex = -1;
  // A property entry's value, or a language entry's name.
  std::string Value;

 private:
  std::variant<TComponent*, std::unique_ptr<TIcon>> target_;
};

}  // namespace qp
