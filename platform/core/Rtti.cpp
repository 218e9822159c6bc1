#include "platform/core/Rtti.h"

#include "platform/core/Exceptions.h"

namespace qp {
namespace {

template <class T>
T Read(const TObject& object, const TPropInfo& property) {
  TValue value = property.Get(object);
  if (auto* typed = std::get_if<T>(&value)) return std::move(*typed);
  throw EPropertyError("Eigenschaft " + property.Name() + " hat einen anderen Typ");
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject& object, std::string_view name) {
  return object.ClassType().FindProperty(name);
}

std::int32_t GetOrdProp(const TObject& object, const TPropInfo& property) {
  return Read<std::int32_t>(object, property);
}

void SetOrdProp(TObject& object, const TPropInfo& property, std::int32_t value) {
  property.Set(object, value);
}

std::string GetStrProp(const TObject& object, const TPropInfo& property) {
  return Read<std::string>(object, property);
}

void SetStrProp(TObject& object, const TPropInfo& property, const std::string& value) {
  property.Set(object, value);
}

double GetFloatProp(const TObject& object, const TPropInfo& property) {
  return Read<double>(object, property);
}

void SetFloatProp(TObject& object, const TPropInfo& property, double value) {
  property.Set(object, value);
}

TMethod GetMethodProp(const TObject& object, const TPropInfo& property) {
  return Read<TMethod>(object, property);
}

void SetMethodProp(TObject& object, const TPropInfo& property, const TMethod& value) {
  property.Set(object, value);
}

TObject* GetObjectProp(const TObject& object, const TPropInfo& property) {
  return Read<TObject*>(object, property);
}

void SetObjectProp(TObject& object, const TPropInfo& property, TObject* value) {
  property.Set(object, value);
}

}  // namespace qp
