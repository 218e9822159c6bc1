#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/core/Class.h"
#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/TypeOf.h"

namespace qp {

namespace detail {

template <class F>
struct MemberTraits;
template <class B, class R>
struct MemberTraits<R (B::*)() const> {
  using Class = B;
  using Value = std::remove_cvref_t<R>;
};
template <class B, class A>
struct MemberTraits<void (B::*)(A)> {
  using Class = B;
  using Value = std::remove_cvref_t<A>;
};
template <class B, class V>
requires(!std::is_function_v<V>) struct MemberTraits<V B::*> {
  using Class = B;
  using Value = V;
};

template <class F>
struct MethodTraits;
template <class B, class... Args>
struct MethodTraits<void (B::*)(Args...)> {
  using Method = TMemberMethod<B, Args...>;
};

}  // namespace detail

// Builds the description of class C (derived from P) next to its definition:
//   static const TClass info{Describe<TTrayIcon, TComponent>("TTrayIcon")
//                                .Property("Active", &TTrayIcon::GetActive, &TTrayIcon::SetActive)
//                                .Method("Click", &TTrayIcon::Click)};
template <class C, class P = void>
class Describe {
 public:
  explicit Describe(std::string name) {
    description_.Name = std::move(name);
    if constexpr (!std::is_void_v<P>) {
      static_assert(std::is_base_of_v<P, C>);
      description_.Parent = &P::ClassInfo();
    }
    if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>) {
      description_.Factory = [](TObject* owner) -> TObject* {
        return new C(dynamic_cast<TComponent*>(owner));
      };
    } else if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TCollection*>) {
      description_.Factory = [](TObject* owner) -> TObject* {
        return new C(dynamic_cast<TCollection*>(owner));
      };
    }
  }

  // A property read through a const getter and written through a setter (member functions or
  // data members, of C or an ancestor).
  template <class G, class S>
  Describe&& Property(std::string name, G getter, S setter) && {
    using V = typename detail::MemberTraits<G>::Value;
    static_assert(std::is_same_v<V, typename detail::MemberTraits<S>::Value>);
    return Add(std::move(name), TypeOf<V>(), Reader<V>(getter),
               [setter](TObject& object, const TValue& value) {
                 std::invoke(setter, static_cast<C&>(object), FromValue<V>(value));
               });
  }

  // A property read and written directly on a data member.
  template <class B, class V>
  requires(!std::is_function_v<V>) Describe && Property(std::string name, V B::*field) && {
    return Add(std::move(name), TypeOf<V>(), Reader<V>(field),
               [field](TObject& object, const TValue& value) {
                 static_cast<C&>(object).*field = FromValue<V>(value);
               });
  }

  template <class G>
  Describe&& ReadOnlyProperty(std::string name, G getter) && {
    using V = typename detail::MemberTraits<G>::Value;
    return Add(std::move(name), TypeOf<V>(), Reader<V>(getter), nullptr);
  }

  // The last property's default: a form stores it only when its value differs.
  Describe&& Default(std::int32_t value) && {
    description_.Properties.back()->default_ = value;
    return std::move(*this);
  }

  // The last property is a short string of at most maxLength characters.
  Describe&& ShortString(int maxLength) && {
    description_.Properties.back()->type_ = &ShortStringType(maxLength);
    return std::move(*this);
  }

  template <class F>
  Describe&& Method(std::string name, F function) && {
    description_.Methods.push_back(
        std::make_unique<typename detail::MethodTraits<F>::Method>(std::move(name), function));
    return std::move(*this);
  }

  operator TClassDescription() && { return std::move(description_); }

 private:
  template <class V, class G>
  static TPropInfo::Getter Reader(G getter) {
    return [getter](const TObject& object) {
      return ToValue<V>(std::invoke(getter, static_cast<const C&>(object)));
    };
  }

  Describe&& Add(std::string name, const TTypeInfo& type, TPropInfo::Getter getter,
                 TPropInfo::Setter setter) {
    description_.Properties.push_back(
        std::make_unique<TPropInfo>(std::move(name), type, std::move(getter), std::move(setter)));
    return std::move(*this);
  }

  TClassDescription description_;
};

}  // namespace qp
