#include "platform/core/TypeInfo.h"

#include <map>
#include <memory>

#include "platform/system/Strings.h"

namespace qp {

int TTypeInfo::EnumValue(std::string_view name) const {
  for (std::size_t i = 0; i < EnumNames.size(); ++i) {
    if (SameText(EnumNames[i], name)) return static_cast<int>(i);
  }
  return -1;
}

std::string TTypeInfo::EnumName(int ordinal) const {
  if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= EnumNames.size()) return {};
  return EnumNames[static_cast<std::size_t>(ordinal)];
}

const TTypeInfo& BooleanType() {
  static const TTypeInfo type = MakeEnumType("Boolean", {"False", "True"});
  return type;
}

const TTypeInfo& IntegerType() {
  static const TTypeInfo type{.Name = "Integer", .Kind = TTypeKind::tkInteger};
  return type;
}

const TTypeInfo& ByteType() {
  static const TTypeInfo type{.Name = "Byte", .Kind = TTypeKind::tkInteger};
  return type;
}

const TTypeInfo& CharType() {
  static const TTypeInfo type{.Name = "Char", .Kind = TTypeKind::tkChar};
  return type;
}

const TTypeInfo& FloatType() {
  static const TTypeInfo type{.Name = "Extended", .Kind = TTypeKind::tkFloat};
  return type;
}

const TTypeInfo& StringType() {
  static const TTypeInfo type{.Name = "string", .Kind = TTypeKind::tkLString};
  return type;
}

const TTypeInfo& ShortStringType(int maxLength) {
  static std::map<int, std::unique_ptr<TTypeInfo>> types;
  auto& type = types[maxLength];
  if (!type) {
    type =
        std::make_unique<TTypeInfo>(TTypeInfo{.Name = "String[" + std::to_string(maxLength) + "]",
                                              .Kind = TTypeKind::tkString,
                                              .MaxLength = maxLength});
  }
  return *type;
}

TTypeInfo MakeEnumType(std::string name, std::vector<std::string> names) {
  return TTypeInfo{
      .Name = std::move(name), .Kind = TTypeKind::tkEnumeration, .EnumNames = std::move(names)};
}

TTypeInfo MakeSetType(std::string name, const TTypeInfo& members) {
  return TTypeInfo{.Name = std::move(name), .Kind = TTypeKind::tkSet, .CompType = &members};
}

}  // namespace qp
