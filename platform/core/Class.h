#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Method.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Value.h"

namespace qp {

class TObject;

// One published property: its name, type and accessors. A handle to it is a plain pointer, valid
// for the whole run.
class TPropInfo {
 public:
  using Getter = std::function<TValue(const TObject&)>;
  using Setter = std::function<void(TObject&, const TValue&)>;

  TPropInfo(std::string name, const TTypeInfo& type, Getter getter, Setter setter)
      : name_(std::move(name)), type_(&type), get_(std::move(getter)), set_(std::move(setter)) {}

  const std::string& Name() const { return name_; }
  const TTypeInfo& PropType() const { return *type_; }
  TTypeKind Kind() const { return type_->Kind; }
  const TClass& DeclaringClass() const { return *class_; }
  bool IsWritable() const { return static_cast<bool>(set_); }
  // The ordinal that a form need not store; none means the value is always stored.
  const std::optional<std::int32_t>& Default() const { return default_; }

  // Both raise EPropertyError for an object that is not of the declaring class, a read-only
  // property or a value of the wrong variant; the setter's own errors pass through.
  TValue Get(const TObject& object) const;
  void Set(TObject& object, const TValue& value) const;

 private:
  friend class TClass;
  template <class C, class P>
  friend class Describe;

  std::string name_;
  const TTypeInfo* type_;
  Getter get_;
  Setter set_;
  std::optional<std::int32_t> default_;
  const TClass* class_ = nullptr;
};

using TObjectFactory = std::function<TObject*(TObject* owner)>;

// What a Describe builder hands to its class.
struct TClassDescription {
  std::string Name;
  const TClass* Parent = nullptr;
  TObjectFactory Factory;
  std::vector<std::unique_ptr<TPropInfo>> Properties;
  std::vector<std::unique_ptr<TMethodInfo>> Methods;
};

// The static description of one class: name, ancestor, published properties and methods.
class TClass {
 public:
  explicit TClass(TClassDescription description);
  TClass(const TClass&) = delete;
  TClass& operator=(const TClass&) = delete;

  const std::string& ClassName() const { return name_; }
  const TClass* ClassParent() const { return parent_; }
  bool InheritsFrom(const TClass& ancestor) const;
  // The type of a property that holds an object of this class.
  const TTypeInfo& TypeInfo() const { return type_; }

  // Search this class and then its ancestors, ignoring ASCII letter case.
  const TPropInfo* FindProperty(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  // The methods declared by this class itself, in declaration order.
  const std::vector<std::unique_ptr<TMethodInfo>>& OwnMethods() const { return methods_; }

  // Every published property in declaration order, ancestors first; a redeclared name keeps its
  // ancestor's place and takes the descendant's description.
  std::vector<const TPropInfo*> DeclaredProperties() const;
  // The properties of the given kinds sorted by name: ASCII letters without regard to case, a
  // prefix before the longer name. Stored language data counts in this order.
  std::vector<const TPropInfo*> SortedProperties(TTypeKinds kinds) const;

  // Creates an instance for a form reader; nullptr when the class cannot be created by name.
  TObject* Construct(TObject* owner) const;
  bool CanConstruct() const { return static_cast<bool>(factory_); }

 private:
  std::string name_;
  const TClass* parent_;
  TTypeInfo type_;
  TObjectFactory factory_;
  std::vector<std::unique_ptr<TPropInfo>> properties_;
  std::vector<std::unique_ptr<TMethodInfo>> methods_;
};

// Classes that form descriptions may create by name.
void RegisterClass(const TClass& type);
// Ignores ASCII letter case; nullptr when no class of that name was registered.
const TClass* FindClass(std::string_view name);

}  // namespace qp
