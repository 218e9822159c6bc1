#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/Types.h"

namespace qp {

class TMenuItem;

// A system popup menu built from the children of a menu item, destroyed with this object. Each
// item that can be chosen gets a command identifier that leads back to it.
class TWin32PopupMenu {
 public:
  explicit TWin32PopupMenu(const TMenuItem& root);
  ~TWin32PopupMenu();
  TWin32PopupMenu(const TWin32PopupMenu&) = delete;
  TWin32PopupMenu& operator=(const TWin32PopupMenu&) = delete;

  TMenuHandle Handle() const { return handle_; }
  // nullptr for 0 (nothing chosen) and for identifiers that are not this menu's.
  TMenuItem* ItemOf(std::uint32_t command) const;
  // Shows the menu at a screen point for owner, the way the shell expects of notification-area
  // menus, and answers the chosen item or nullptr.
  TMenuItem* Track(TPoint at, TWindowHandle owner) const;

 private:
  TMenuHandle handle_;
  // Command identifier n is commands_[n - 1].
  std::vector<TMenuItem*> commands_;
};

}  // namespace qp
