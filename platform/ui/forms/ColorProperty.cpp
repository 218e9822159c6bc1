#include "platform/ui/forms/ColorProperty.h"

#include <string_view>

#include "platform/system/Strings.h"

namespace qp {

bool IsColorProperty(const TPropInfo& property) {
  constexpr std::string_view kSuffix = "Color";
  const std::string_view name = property.Name();
  if (property.Kind() != TTypeKind::tkInteger) return false;
  return property.PropType().Name == "TColor" ||
         (name.size() >= kSuffix.size() &&
          SameText(name.substr(name.size() - kSuffix.size()), kSuffix));
}

}  // namespace qp
