#pragma once

#include <functional>

#include "platform/core/StringList.h"

namespace qp {

// The items of a list control: a string list whose every change the control mirrors into its
// window, if it has one.
class TControlStrings final : public TStringList {
 public:
  explicit TControlStrings(std::function<void()> changed) : changed_(std::move(changed)) {}

 protected:
  void Changed() override {
    TStringList::Changed();
    if (UpdateCount() == 0) changed_();
  }

 private:
  std::function<void()> changed_;
};

}  // namespace qp
