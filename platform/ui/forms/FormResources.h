#pragma once

#include <string>
#include <string_view>

#include "platform/core/Component.h"
#include "platform/ui/forms/FormError.h"

namespace qp {

// A form description compiled into the program (see cmake/FormDescriptions.cmake).
struct TFormResource {
  std::string_view Name;  // the file name, which error messages name
  std::string_view Text;
};

// Called from static initialisers of the generated sources; text must live as long as the
// program. A later description with the same name replaces the earlier one.
void RegisterFormResource(std::string_view name, std::string_view text);

// Registers one description when the program starts.
struct TFormResourceRegistration {
  TFormResourceRegistration(std::string_view name, std::string_view text) {
    RegisterFormResource(name, text);
  }
};

// The description whose root object is of the class named (ASCII letter case ignored), or
// nullptr when none is compiled in.
const TFormResource* FindFormResource(std::string_view className);

// Reads the description of root's class onto root (see ReadComponentDescription). Raises
// EFormError when none is compiled in or it cannot be read.
void ReadComponentResource(TComponent& root);

}  // namespace qp
