#pragma once

#include <string>
#include <typeinfo>

namespace qp {

class TClass;
class TObject;

// A published method of a class: the target of an event. Its descriptor lives as long as the
// program, so events can refer to it by pointer and compare by identity.
class TMethodInfo {
 public:
  explicit TMethodInfo(std::string name) : name_(std::move(name)) {}
  TMethodInfo(const TMethodInfo&) = delete;
  TMethodInfo& operator=(const TMethodInfo&) = delete;
  virtual ~TMethodInfo() = default;

  const std::string& Name() const { return name_; }
  const TClass& DeclaringClass() const { return *class_; }
  // The argument list, as typeid(void(Args...)); an event accepts only methods of its own.
  virtual const std::type_info& Signature() const = 0;

 private:
  friend class TClass;
  std::string name_;
  const TClass* class_ = nullptr;
};

template <class... Args>
class TMethodInvoker : public TMethodInfo {
 public:
  using TMethodInfo::TMethodInfo;
  const std::type_info& Signature() const final { return typeid(void(Args...)); }
  virtual void Invoke(TObject& self, Args... args) const = 0;
};

template <class C, class... Args>
class TMemberMethod final : public TMethodInvoker<Args...> {
 public:
  using Function = void (C::*)(Args...);
  TMemberMethod(std::string name, Function function)
      : TMethodInvoker<Args...>(std::move(name)), function_(function) {}

  // The event binds only objects of the declaring class, so the cast is always to the right type.
  void Invoke(TObject& self, Args... args) const override {
    (static_cast<C&>(self).*function_)(std::forward<Args>(args)...);
  }
  bool Is(Function function) const { return function == function_; }

 private:
  Function function_;
};

// An object together with one of its published methods; the untyped form of every event.
struct TMethod {
  TObject* Data = nullptr;
  const TMethodInfo* Code = nullptr;

  explicit operator bool() const { return Code != nullptr; }
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

}  // namespace qp
