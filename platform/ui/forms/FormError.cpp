#include "platform/ui/forms/FormError.h"

namespace qp {

EFormError::EFormError(const std::string& description, TFormPosition position,
                       const std::string& text)
    : Exception(description + "(" + std::to_string(position.Line) + "," +
                std::to_string(position.Column) + "): " + text),
      description_(description),
      line_(position.Line),
      column_(position.Column) {}

EFormError::EFormError(const std::string& text) : Exception(text) {}

}  // namespace qp
