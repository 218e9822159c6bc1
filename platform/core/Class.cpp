#include "platform/core/Class.h"

#include <algorithm>
#include <map>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"
#include "platform/system/Strings.h"

namespace qp {

void ThrowPropertyValueError() {
  throw EPropertyError("Ung\xFCltiger Eigenschaftswert");
}

TValue TPropInfo::Get(const TObject& object) const {
  if (!object.InheritsFrom(*class_)) {
    throw EPropertyError("Eigenschaft " + name_ + " geh\xF6rt nicht zu " +
                         std::string(object.ClassName()));
  }
  return get_(object);
}

void TPropInfo::Set(TObject& object, const TValue& value) const {
  if (!object.InheritsFrom(*class_)) {
    throw EPropertyError("Eigenschaft " + name_ + " geh\xF6rt nicht zu " +
                         std::string(object.ClassName()));
  }
  if (!set_) throw EPropertyError("Eigenschaft " + name_ + " ist schreibgesch\xFCtzt");
  try {
    const auto* text = std::get_if<std::string>(&value);
    if (text != nullptr && Kind() == TTypeKind::tkString &&
        text->size() > static_cast<std::size_t>(type_->MaxLength)) {
      set_(object, text->substr(0, static_cast<std::size_t>(type_->MaxLength)));
    } else {
      set_(object, value);
    }
  } catch (const std::bad_variant_access&) {
    ThrowPropertyValueError();
  }
}

TClass::TClass(TClassDescription description)
    : name_(std::move(description.Name)),
      parent_(description.Parent),
      type_{.Name = name_, .Kind = TTypeKind::tkClass, .ClassType = this},
      factory_(std::move(description.Factory)),
      properties_(std::move(description.Properties)),
      methods_(std::move(description.Methods)) {
  for (auto& property : properties_)
    property->class_ = this;
  for (auto& method : methods_)
    method->class_ = this;
}

bool TClass::InheritsFrom(const TClass& ancestor) const {
  for (const TClass* type = this; type != nullptr; type = type->parent_) {
    if (type == &ancestor) return true;
  }
  return false;
}

const TPropInfo* TClass::FindProperty(std::string_view name) const {
  for (const TClass* type = this; type != nullptr; type = type->parent_) {
    for (const auto& property : type->properties_) {
      if (SameText(property->Name(), name)) return property.get();
    }
  }
  return nullptr;
}

const TMethodInfo* TClass::FindMethod(std::string_view name) const {
  for (const TClass* type = this; type != nullptr; type = type->parent_) {
    for (const auto& method : type->methods_) {
      if (SameText(method->Name(), name)) return method.get();
    }
  }
  return nullptr;
}

std::vector<const TPropInfo*> TClass::DeclaredProperties() const {
  std::vector<const TPropInfo*> result =
      parent_ ? parent_->DeclaredProperties() : std::vector<const TPropInfo*>{};
  for (const auto& property : properties_) {
    auto same = std::find_if(result.begin(), result.end(), [&](const TPropInfo* inherited) {
      return SameText(inherited->Name(), property->Name());
    });
    if (same != result.end()) {
      *same = property.get();
    } else {
      result.push_back(property.get());
    }
  }
  return result;
}

std::vector<const TPropInfo*> TClass::SortedProperties(TTypeKinds kinds) const {
  std::vector<const TPropInfo*> result = DeclaredProperties();
  std::erase_if(result, [kinds](const TPropInfo* p) { return (KindBit(p->Kind()) & kinds) == 0; });
  std::stable_sort(result.begin(), result.end(), [](const TPropInfo* a, const TPropInfo* b) {
    return CompareText(a->Name(), b->Name()) < 0;
  });
  return result;
}

TObject* TClass::Construct(TObject* owner) const {
  return factory_ ? factory_(owner) : nullptr;
}

namespace {

struct NameLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

std::map<std::string, const TClass*, NameLess>& Registry() {
  static std::map<std::string, const TClass*, NameLess> classes;
  return classes;
}

}  // namespace

void RegisterClass(const TClass& type) {
  Registry()[type.ClassName()] = &type;
}

const TClass* FindClass(std::string_view name) {
  auto& classes = Registry();
  auto found = classes.find(std::string(name));
  return found == classes.end() ? nullptr : found->second;
}

}  // namespace qp
