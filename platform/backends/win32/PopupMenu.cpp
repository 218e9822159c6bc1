#include "platform/backends/win32/PopupMenu.h"

#include <string>

#include "platform/ui/Menus.h"

#include <windows.h>

namespace qp {
namespace {

HMENU ToHmenu(TMenuHandle menu) {
  return reinterpret_cast<HMENU>(menu);
}

UINT StateOf(const TMenuItem& item) {
  return (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED) |
         (item.Enabled() ? MFS_ENABLED : MFS_GRAYED);
}

void AddItems(HMENU menu, const TMenuItem& parent, std::vector<TMenuItem*>& commands) {
  for (int index = 0; index < parent.Count(); ++index) {
    TMenuItem* item = parent.Items(index);
    std::string caption = item->Caption();
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    if (item->IsSeparator()) {
      info.fType = MFT_SEPARATOR;
    } else {
      commands.push_back(item);
      info.fMask |= MIIM_STATE | MIIM_ID | MIIM_STRING;
      info.fType = item->RadioItem() ? MFT_RADIOCHECK : MFT_STRING;
      info.fState = StateOf(*item);
      info.wID = static_cast<UINT>(commands.size());
      info.dwTypeData = caption.data();
    }
    if (item->Count() > 0) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
    }
    if (!InsertMenuItemA(menu, static_cast<UINT>(index), TRUE, &info)) {
      DestroyMenu(info.hSubMenu);
      continue;
    }
    if (info.hSubMenu) AddItems(info.hSubMenu, *item, commands);
    if (item->Default()) SetMenuDefaultItem(menu, info.wID, FALSE);
  }
}

}  // namespace

TWin32PopupMenu::TWin32PopupMenu(const TMenuItem& root)
    : handle_(reinterpret_cast<TMenuHandle>(CreatePopupMenu())) {
  try {
    AddItems(ToHmenu(handle_), root, commands_);
  } catch (...) {
    DestroyMenu(ToHmenu(handle_));
    throw;
  }
}

TWin32PopupMenu::~TWin32PopupMenu() {
  DestroyMenu(ToHmenu(handle_));
}

TMenuItem* TWin32PopupMenu::ItemOf(std::uint32_t command) const {
  return command == 0 || command > commands_.size() ? nullptr : commands_[command - 1];
}

TMenuItem* TWin32PopupMenu::Track(TPoint at, TWindowHandle owner) const {
  const auto window = reinterpret_cast<HWND>(owner);
  // Only a menu of the foreground window closes when the user clicks elsewhere, and the posted
  // message lets the menu's owner leave its menu mode before another menu opens.
  SetForegroundWindow(window);
  const BOOL command = TrackPopupMenu(ToHmenu(handle_), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y,
                                      0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
  return ItemOf(static_cast<std::uint32_t>(command));
}

}  // namespace qp
