#pragma once

#include <string>

namespace qp {

// Saves what the screen shows as <build folder>/screenshots/<fileName> (a PNG), so that a person
// can look at what a test drove; false when it cannot be captured or written.
bool SaveScreenshot(const std::string& fileName);

}  // namespace qp
