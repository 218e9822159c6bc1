#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

class TClass;

// The kinds of published properties. The codes are part of stored kind masks, so they are fixed.
enum class TTypeKind : std::uint8_t {
  tkUnknown = 0,
  tkInteger = 1,
  tkChar = 2,
  tkEnumeration = 3,
  tkFloat = 4,
  tkString = 5,
  tkSet = 6,
  tkClass = 7,
  tkMethod = 8,
  tkWChar = 9,
  tkLString = 10,
  tkWString = 11,
  tkVariant = 12,
};

// A set of kinds as a bit mask over the kind codes.
using TTypeKinds = std::uint32_t;

constexpr TTypeKinds KindBit(TTypeKind kind) {
  return TTypeKinds{1} << static_cast<int>(kind);
}
constexpr TTypeKinds tkAny = 0x1FFF;
// Every kind that holds a value: all but unknown and method.
constexpr TTypeKinds tkProperties = 0x1EFE;

// What the reflection facility knows of one type.
struct TTypeInfo {
  std::string Name{};
  TTypeKind Kind = TTypeKind::tkUnknown;
  std::vector<std::string> EnumNames{};  // enumeration: the value names by ordinal
  const TTypeInfo* CompType = nullptr;   // set: the enumeration of its members
  int MaxLength = 0;                     // short string: most characters it holds
  const TClass* ClassType = nullptr;     // object reference: the declared class

  // The ordinal whose name equals Name without regard to ASCII case, or -1.
  int EnumValue(std::string_view name) const;
  // The declared name of an ordinal, or the empty text when the type has no such value.
  std::string EnumName(int ordinal) const;
};

const TTypeInfo& BooleanType();
const TTypeInfo& IntegerType();
const TTypeInfo& ByteType();
const TTypeInfo& CharType();
const TTypeInfo& FloatType();
const TTypeInfo& StringType();
// A short string type holding at most maxLength characters; one shared instance per length.
const TTypeInfo& ShortStringType(int maxLength);

// For enumeration and set types, declared next to them: a type's info is found by
// argument-dependent lookup of TypeInfoFor(static_cast<T*>(nullptr)).
TTypeInfo MakeEnumType(std::string name, std::vector<std::string> names);
TTypeInfo MakeSetType(std::string name, const TTypeInfo& members);

}  // namespace qp
