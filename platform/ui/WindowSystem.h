#pragma once

#include <string>

namespace qp {

enum class TDialogKind { Simple, Warning, Error };

// The one door from the platform to the window system. A backend (headless for tests, win32 for
// the real program) implements it and is chosen at link time; every operation has a harmless
// default so a backend implements only what it supports.
class TWindowSystem {
 public:
  virtual ~TWindowSystem() = default;

  // Shows a message box with one OK button and returns when the user has closed it.
  virtual void ShowDialog(TDialogKind /*kind*/, const std::string& /*caption*/,
                          const std::string& /*text*/) {}
  // The mouse cursor shown over every window of the program.
  virtual void SetCursor(int /*cursor*/) {}
};

// The backend linked into this program.
TWindowSystem& WindowSystem();

}  // namespace qp
