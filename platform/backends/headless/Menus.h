#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/ws/Menus.h"

namespace qp {

// Popup menus and system menus of the tests. A popup is recorded as it would have been shown and
// answered by a chooser that the test sets. A system menu holds the commands of a German Windows
// system menu with their standard texts, in this order (with a separator before SC_CLOSE):
//   SC_RESTORE "&Wiederherstellen", SC_MOVE "&Verschieben", SC_SIZE "&Gr\xF6\xDF" "e \xE4ndern",
//   SC_MINIMIZE "Mi&nimieren", SC_MAXIMIZE "Ma&ximieren", SC_CLOSE "&Schlie\xDF" "en\tAlt+F4".
class THeadlessMenuService final : public TMenuService {
 public:
  // An item of a popup menu as it was shown.
  struct ShownItem {
    std::string Caption;
    bool Checked = false;
    bool RadioItem = false;
    bool Default = false;
    bool Enabled = true;
    bool Separator = false;
    std::vector<ShownItem> Items;
    friend bool operator==(const ShownItem&, const ShownItem&) = default;
  };

  struct Popup {
    TPoint At;
    TWindowHandle Owner = 0;
    // The foreground window while the menu was shown.
    TWindowHandle Foreground = 0;
    std::vector<ShownItem> Items;
  };

  // Receives the menu's invisible root and the point, and answers the item the user chooses, or
  // nullptr when the user closes the menu without a choice.
  using TChooser = std::function<TMenuItem*(const TMenuItem& root, TPoint at)>;

  // Menu handles count up from here, so that a window handle passed by mistake names no menu.
  static constexpr TMenuHandle kFirstMenuHandle = 0x10000;

  // Answers the chooser's item if the user could choose it: an enabled item of root's tree, in
  // enabled submenus, that is neither a separator nor a submenu; otherwise nullptr.
  TMenuItem* TrackPopup(const TMenuItem& root, TPoint at, TWindowHandle owner) override;
  // Created on first demand for an existing window. Reverting drops the window's menu and
  // answers 0, as Windows does; the next demand creates a new one with a new handle.
  TMenuHandle SystemMenu(TWindowHandle window, bool revert) override;
  bool ModifyMenuText(TMenuHandle menu, std::uint32_t position, std::uint32_t flags,
                      std::uintptr_t newItem, const std::string& text) override;
  // Empty also for a separator and for a maxCount below 2.
  std::string MenuText(TMenuHandle menu, std::uint32_t item, std::uint32_t flags,
                       int maxCount) override;

  void SetChooser(TChooser chooser) { chooser_ = std::move(chooser); }
  const std::vector<Popup>& Popups() const { return popups_; }

  // Forgets the chooser, the popups and the system menus, for the next test. Menu handles are
  // not used twice in a run.
  void Reset();

 private:
  struct SystemMenuItem {
    std::uintptr_t Command = 0;
    std::string Text;
    bool Separator = false;
  };

  SystemMenuItem* FindItem(TMenuHandle menu, std::uint32_t item, std::uint32_t flags);

  TChooser chooser_;
  std::vector<Popup> popups_;
  std::map<TWindowHandle, TMenuHandle> systemMenuOf_;
  std::map<TMenuHandle, std::vector<SystemMenuItem>> systemMenus_;
  TMenuHandle nextMenu_ = kFirstMenuHandle;
};

THeadlessMenuService& HeadlessMenuService();

}  // namespace qp
