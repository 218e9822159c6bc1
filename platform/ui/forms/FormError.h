#pragma once

#include <string>

#include "platform/core/Exceptions.h"

namespace qp {

// A place in a form description: line and column (in bytes) from 1.
struct TFormPosition {
  int Line = 1;
  int Column = 1;
};

// A form description that cannot be read, or a component that cannot be written as one. The
// message names the description and the place: "MainForm.qpf(12,5): ...".
class EFormError : public Exception {
 public:
  EFormError(const std::string& description, TFormPosition position, const std::string& text);
  // A writer's error: there is no description yet, so no place to name.
  explicit EFormError(const std::string& text);

  const std::string& Description() const { return description_; }
  // Both 0 for a writer's error.
  int Line() const { return line_; }
  int Column() const { return column_; }

 private:
  std::string description_;
  int line_ = 0;
  int column_ = 0;
};

}  // namespace qp
