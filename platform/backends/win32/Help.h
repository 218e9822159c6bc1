#pragma once

#include <map>
#include <string>

#include "platform/ui/ws/Help.h"

namespace qp {

// The program's own help viewer: HELP_CONTENTS opens a window captioned with the file's name that
// shows the file's text read-only, one window per file. A relative name is taken from the
// program's directory. The viewer is not owned by the window asking for it, so it keeps its
// taskbar button while the program's forms are hidden in the notification area.
class TWin32HelpViewer final : public THelpViewer {
 public:
  // False for other commands and for a file that cannot be read or is larger than help files
  // are; then nothing is shown.
  bool OpenHelp(TWindowHandle owner, const std::string& file, std::uint32_t command,
                std::uintptr_t data) override;

 private:
  TWindowHandle OpenViewer(const std::string& caption, const std::string& key,
                           const std::string& text);
  void HandleViewerMessage(const std::string& key, TMessage& message);

  // The open viewers by the upper-cased full name of their file.
  std::map<std::string, TWindowHandle> viewers_;
};

}  // namespace qp
