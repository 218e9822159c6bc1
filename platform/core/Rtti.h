#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Class.h"
#include "platform/core/Object.h"

namespace qp {

// Typed access to published properties. Each raises EPropertyError when the property does not
// hold that kind of value, is read-only, or does not belong to the object's class.
const TPropInfo* GetPropInfo(const TObject& object, std::string_view name);

std::int32_t GetOrdProp(const TObject& object, const TPropInfo& property);
void SetOrdProp(TObject& object, const TPropInfo& property, std::int32_t value);
std::string GetStrProp(const TObject& object, const TPropInfo& property);
void SetStrProp(TObject& object, const TPropInfo& property, const std::string& value);
double GetFloatProp(const TObject& object, const TPropInfo& property);
void SetFloatProp(TObject& object, const TPropInfo& property, double value);
TMethod GetMethodProp(const TObject& object, const TPropInfo& property);
void SetMethodProp(TObject& object, const TPropInfo& property, const TMethod& value);
TObject* GetObjectProp(const TObject& object, const TPropInfo& property);
void SetObjectProp(TObject& object, const TPropInfo& property, TObject* value);

}  // namespace qp
