#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/Types.h"

namespace qp {

class TMenuItem;

constexpr std::uint32_t MF_BYCOMMAND = 0x0000;
constexpr std::uint32_t MF_STRING = 0x0000;
constexpr std::uint32_t MF_BYPOSITION = 0x0400;

// Popup menus and the system menus of windows.
class TMenuService {
 public:
  virtual ~TMenuService() = default;

  // Shows the children of root as a popup menu at a screen point (radio items, check marks, the
  // default item in bold, separators for "-" captions, submenus, disabled items), tracks it until
  // it closes, and answers the chosen item or nullptr. Running its click is the caller's part.
  // An owner of 0 lets the backend use a hidden window of its own as the menu's owner.
  virtual TMenuItem* TrackPopup(const TMenuItem& root, TPoint at, TWindowHandle owner) = 0;

  // The window's system menu, created with the window; revert restores the standard one.
  virtual TMenuHandle SystemMenu(TWindowHandle window, bool revert) = 0;
  // Gives the item at position (a command with MF_BYCOMMAND) a new identifier and text.
  virtual bool ModifyMenuText(TMenuHandle menu, std::uint32_t position, std::uint32_t flags,
                              std::uintptr_t newItem, const std::string& text) = 0;
  // The item's text cut to maxCount - 1 characters; empty when there is no such item.
  virtual std::string MenuText(TMenuHandle menu, std::uint32_t item, std::uint32_t flags,
                               int maxCount) = 0;
};

TMenuService& MenuService();

}  // namespace qp
