#pragma once

#include <string>
#include <string_view>

#include "platform/core/Component.h"
#include "platform/ui/forms/FormError.h"

namespace qp {

// Reads a form description onto root, which the caller has created (a form's constructor reads
// its own). The description's root class must be root's class or one of its ancestors.
//
// Root and every component read are marked loading and reading while the description is read.
// Root takes the description's name, and properties are assigned in file order. A nested object
// is created by its registered class name with root as owner, named, and handed the enclosing
// component through SetParentComponent before its own properties are read. When the whole
// description is read, component references (the names of root's components or root's own name,
// letter case ignored) and events (root's published methods) are bound in file order. Then every
// component read leaves the reading state, and Loaded runs on each in creation order, root last,
// so that root's after-load step finds its children finished.
//
// Raises EFormError naming description, line and column for text that does not follow the
// format, an unknown class, property, reference or method, a value the property cannot take, or
// an error that a property raises. Components created until then stay owned by root; they and
// root leave the reading state but are not Loaded.
void ReadComponentDescription(TComponent& root, std::string_view text,
                              const std::string& description);

}  // namespace qp
