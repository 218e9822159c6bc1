#pragma once

#include <string>

#include "platform/core/Component.h"
#include "platform/ui/forms/FormError.h"

namespace qp {

// Writes root and the components nested in it as a form description that
// ReadComponentDescription reads back: design-mode saving.
//
// Root's children are the components it owns that have no parent (HasParent() false), followed
// by those that root's GetChildren gives; what nests in a child is what its own GetChildren
// gives. Each object writes its published properties in declaration order, leaving out read-only
// ones, ordinals equal to their default, unassigned events and events bound to another object
// than root, nil references, and empty string lists and collections. An object that a property
// holds is written by dotted path (Font.Name), a string list as Items.Strings = (...), a
// collection as <item ... end>, a component as a reference by name. The definition hook's binary
// properties follow the published ones.
//
// Raises EFormError for what could not be read back: a reference to a component that is not
// written or has no name, a component given twice, nesting deeper than kMaxFormNesting, a float
// that is not finite, an ordinal that has no name in its type.
std::string WriteComponentDescription(TComponent& root);

}  // namespace qp
