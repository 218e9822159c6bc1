#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/core/Class.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Method.h"
#include "platform/core/Object.h"

namespace qp {

// A type name as a template argument, so that each event type carries its own name.
template <std::size_t N>
struct TypeName {
  constexpr TypeName(const char (&text)[N]) { std::copy_n(text, N, chars); }
  constexpr std::string_view View() const { return {chars, N - 1}; }
  char chars[N];
};

// Finds the published method of object's class that is `function`.
template <class B, class... Args>
const TMethodInvoker<Args...>* FindPublishedMethod(const TObject& object,
                                                   void (B::*function)(Args...)) {
  for (const TClass* type = &object.ClassType(); type != nullptr; type = type->ClassParent()) {
    for (const auto& method : type->OwnMethods()) {
      const auto* member = dynamic_cast<const TMemberMethod<B, Args...>*>(method.get());
      if (member != nullptr && member->Is(function)) return member;
    }
  }
  return nullptr;
}

// True when method may be called on data: a method of data's class taking these arguments.
bool CanBind(const TMethod& method, const std::type_info& signature);

// A method reference: an object and one of its published methods. Events are assigned, called,
// compared and, through the method's name, stored in form descriptions.
template <TypeName Name, class... Args>
class TEvent {
 public:
  TEvent() = default;

  // Raises EPropertyError when `function` is not a published method of object's class.
  template <class C, class B>
  TEvent(C* object, void (B::*function)(Args...)) {
    static_assert(std::is_base_of_v<B, C>);
    invoker_ = FindPublishedMethod(*object, function);
    if (invoker_ == nullptr)
      throw EPropertyError(
          "Methode ist nicht ver\xF6"
          "ffentlicht");
    data_ = object;
  }

  // Raises EPropertyError when the method does not fit this event.
  explicit TEvent(const TMethod& method) {
    if (!method) return;
    if (!CanBind(method, typeid(void(Args...)))) {
      throw EPropertyError("Methode passt nicht zum Ereignis " + std::string(Name.View()));
    }
    data_ = method.Data;
    invoker_ = static_cast<const TMethodInvoker<Args...>*>(method.Code);
  }

  static const TTypeInfo& EventTypeInfo() {
    static const TTypeInfo type{.Name = std::string(Name.View()), .Kind = TTypeKind::tkMethod};
    return type;
  }

  explicit operator bool() const { return invoker_ != nullptr; }
  void operator()(Args... args) const {
    if (invoker_ != nullptr) invoker_->Invoke(*data_, std::forward<Args>(args)...);
  }

  TMethod Method() const { return {data_, invoker_}; }
  // The published name of the method; empty when the event is not assigned.
  std::string MethodName() const { return invoker_ ? invoker_->Name() : std::string(); }

  friend bool operator==(const TEvent& a, const TEvent& b) {
    return a.data_ == b.data_ && a.invoker_ == b.invoker_;
  }

 private:
  TObject* data_ = nullptr;
  const TMethodInvoker<Args...>* invoker_ = nullptr;
};

using TNotifyEvent = TEvent<"TNotifyEvent", TObject*>;

}  // namespace qp
