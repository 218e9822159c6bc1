#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/Types.h"

namespace qp {

constexpr std::uint32_t HELP_CONTENTS = 3;

// The help viewer. The program's help files are plain text; the viewer shows a file's contents.
class THelpViewer {
 public:
  virtual ~THelpViewer() = default;
  // Opens file at the place command and data name, owned by owner; false when it cannot.
  virtual bool OpenHelp(TWindowHandle owner, const std::string& file, std::uint32_t command,
                        std::uintptr_t data) = 0;
};

THelpViewer& HelpViewer();

}  // namespace qp
