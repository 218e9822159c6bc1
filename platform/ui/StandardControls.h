#pragma once

namespace qp {

// Makes the standard controls, the menus and the combo box known by class name, so that form
// descriptions can create them. The application calls it once at start-up; calling it again
// changes nothing.
void RegisterStandardControls();

}  // namespace qp
