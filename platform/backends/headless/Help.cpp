#include "platform/backends/headless/Help.h"

namespace qp {

bool THeadlessHelpViewer::OpenHelp(TWindowHandle owner, const std::string& file,
                                   std::uint32_t command, std::uintptr_t data) {
  requests_.push_back({owner, file, command, data});
  return true;
}

THeadlessHelpViewer& HeadlessHelpViewer() {
  static THeadlessHelpViewer viewer;
  return viewer;
}

THelpViewer& HelpViewer() {
  return HeadlessHelpViewer();
}

}  // namespace qp
