#pragma once

#include <string_view>

namespace qp {

class TClass;

// The root of every class that the reflection facility describes. Each described class declares
//   static const TClass& ClassInfo();
//   const TClass& ClassType() const override { return ClassInfo(); }
// and defines ClassInfo() next to its other members with Describe (platform/core/Describe.h).
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClass& ClassInfo();
  virtual const TClass& ClassType() const { return ClassInfo(); }

  std::string_view ClassName() const;
  // True when the object's class is the given class or descends from it.
  bool InheritsFrom(const TClass& ancestor) const;
  template <class T>
  bool Is() const {
    return InheritsFrom(T::ClassInfo());
  }
};

}  // namespace qp
