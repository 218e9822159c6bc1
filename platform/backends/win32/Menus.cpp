#include "platform/backends/win32/Menus.h"

#include "platform/backends/win32/PopupMenu.h"
#include "platform/ui/ws/Windowing.h"

#include <windows.h>

namespace qp {
namespace {

HMENU ToHmenu(TMenuHandle menu) {
  return reinterpret_cast<HMENU>(menu);
}

}  // namespace

TMenuItem* TWin32MenuService::TrackPopup(const TMenuItem& root, TPoint at, TWindowHandle owner) {
  return TWin32PopupMenu(root).Track(at, owner != 0 ? owner : HiddenOwner());
}

TWindowHandle TWin32MenuService::HiddenOwner() {
  if (!Windowing().IsWindowHandle(hiddenOwner_)) {
    hiddenOwner_ = Windowing().CreateUtilityWindow([this](TMessage& message) {
      message.Result = Windowing().DefaultHandling(hiddenOwner_, message);
    });
  }
  return hiddenOwner_;
}

TMenuHandle TWin32MenuService::SystemMenu(TWindowHandle window, bool revert) {
  return reinterpret_cast<TMenuHandle>(
      GetSystemMenu(reinterpret_cast<HWND>(window), revert ? TRUE : FALSE));
}

bool TWin32MenuService::ModifyMenuText(TMenuHandle menu, std::uint32_t position,
                                       std::uint32_t flags, std::uintptr_t newItem,
                                       const std::string& text) {
  return ModifyMenuA(ToHmenu(menu), position, flags, newItem, text.c_str()) != FALSE;
}

std::string TWin32MenuService::MenuText(TMenuHandle menu, std::uint32_t item, std::uint32_t flags,
                                        int maxCount) {
  if (maxCount <= 0) return {};
  std::string text(static_cast<std::size_t>(maxCount), '\0');
  const int length = GetMenuStringA(ToHmenu(menu), item, text.data(), maxCount, flags);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

TMenuService& MenuService() {
  static TWin32MenuService service;
  return service;
}

}  // namespace qp
