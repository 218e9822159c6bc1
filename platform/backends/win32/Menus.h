#pragma once

#include "platform/ui/ws/Menus.h"

namespace qp {

class TWin32MenuService final : public TMenuService {
 public:
  TMenuItem* TrackPopup(const TMenuItem& root, TPoint at, TWindowHandle owner) override;
  TMenuHandle SystemMenu(TWindowHandle window, bool revert) override;
  bool ModifyMenuText(TMenuHandle menu, std::uint32_t position, std::uint32_t flags,
                      std::uintptr_t newItem, const std::string& text) override;
  std::string MenuText(TMenuHandle menu, std::uint32_t item, std::uint32_t flags,
                       int maxCount) override;

 private:
  // The owner of menus shown without one: the menu's messages need a window to go to.
  TWindowHandle HiddenOwner();

  TWindowHandle hiddenOwner_ = 0;
};

}  // namespace qp
