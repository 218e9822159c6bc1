#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/core/Exceptions.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Value.h"

namespace qp {

class TObject;

template <class T>
concept EventType = requires {
  T::EventTypeInfo();
};

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

// The type information of a C++ property type. Enumerations and sets declare theirs next to the
// type as `const TTypeInfo& TypeInfoFor(T*)`, found by argument-dependent lookup.
template <class T>
const TTypeInfo& TypeOf() {
  if constexpr (std::is_same_v<T, bool>) {
    return BooleanType();
  } else if constexpr (std::is_same_v<T, std::int32_t>) {
    return IntegerType();
  } else if constexpr (std::is_same_v<T, std::uint8_t>) {
    return ByteType();
  } else if constexpr (std::is_same_v<T, char>) {
    return CharType();
  } else if constexpr (std::is_same_v<T, double>) {
    return FloatType();
  } else if constexpr (std::is_same_v<T, std::string>) {
    return StringType();
  } else if constexpr (std::is_pointer_v<T>) {
    return std::remove_pointer_t<T>::ClassInfo().TypeInfo();
  } else if constexpr (EventType<T>) {
    return T::EventTypeInfo();
  } else {
    return TypeInfoFor(static_cast<T*>(nullptr));
  }
}

template <class T>
TValue ToValue(const T& value) {
  if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
    return value;
  } else if constexpr (std::is_same_v<T, char>) {
    return static_cast<std::int32_t>(static_cast<unsigned char>(value));
  } else if constexpr (std::is_pointer_v<T>) {
    return static_cast<TObject*>(value);
  } else if constexpr (EventType<T>) {
    return value.Method();
  } else if constexpr (IsSet<T>::value) {
    return static_cast<std::int32_t>(value.Mask());
  } else {
    return static_cast<std::int32_t>(value);
  }
}

[[noreturn]] void ThrowPropertyValueError();

template <class T>
T FromValue(const TValue& value) {
  if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::string>) {
    return std::get<T>(value);
  } else if constexpr (std::is_pointer_v<T>) {
    TObject* object = std::get<TObject*>(value);
    if (object == nullptr) return nullptr;
    auto* typed = dynamic_cast<T>(object);
    if (typed == nullptr) ThrowPropertyValueError();
    return typed;
  } else if constexpr (EventType<T>) {
    return T(std::get<TMethod>(value));
  } else if constexpr (IsSet<T>::value) {
    return T::FromMask(static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
  } else if constexpr (std::is_enum_v<T> || std::is_same_v<T, bool>) {
    const std::int32_t ordinal = std::get<std::int32_t>(value);
    if (ordinal < 0 || ordinal >= static_cast<std::int32_t>(TypeOf<T>().EnumNames.size())) {
      ThrowPropertyValueError();
    }
    return static_cast<T>(ordinal);
  } else {
    return static_cast<T>(std::get<std::int32_t>(value));
  }
}

}  // namespace qp
