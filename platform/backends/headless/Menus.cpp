#include "platform/backends/headless/Menus.h"

#include <algorithm>

#include "platform/backends/headless/Windowing.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

std::vector<THeadlessMenuService::ShownItem> ShownItems(const TMenuItem& parent) {
  std::vector<THeadlessMenuService::ShownItem> shown;
  for (int index = 0; index < parent.Count(); ++index) {
    const TMenuItem& item = *parent.Items(index);
    shown.push_back({item.Caption(), item.Checked(), item.RadioItem(), item.Default(),
                     item.Enabled(), item.IsSeparator(), ShownItems(item)});
  }
  return shown;
}

bool CanBeChosen(const TMenuItem* item, const TMenuItem& root) {
  if (item == nullptr || item->IsSeparator() || item->Count() > 0) return false;
  for (; item != nullptr; item = item->Parent()) {
    if (item == &root) return true;
    if (!item->Enabled()) return false;
  }
  return false;
}

}  // namespace

TMenuItem* THeadlessMenuService::TrackPopup(const TMenuItem& root, TPoint at, TWindowHandle owner) {
  popups_.push_back({at, owner, HeadlessWindowing().Foreground(), ShownItems(root)});
  if (!chooser_) return nullptr;
  TMenuItem* chosen = chooser_(root, at);
  return CanBeChosen(chosen, root) ? chosen : nullptr;
}

TMenuHandle THeadlessMenuService::SystemMenu(TWindowHandle window, bool revert) {
  if (revert) {
    if (const auto found = systemMenuOf_.find(window); found != systemMenuOf_.end()) {
      systemMenus_.erase(found->second);
      systemMenuOf_.erase(found);
    }
    return 0;
  }
  if (!HeadlessWindowing().IsWindowHandle(window)) return 0;
  const auto [found, added] = systemMenuOf_.try_emplace(window, nextMenu_);
  if (added) {
    ++nextMenu_;
    systemMenus_[found->second] = {
        {SC_RESTORE, "&Wiederherstellen"},
        {SC_MOVE, "&Verschieben"},
        {SC_SIZE,
         "&Gr\xF6\xDF"
         "e \xE4ndern"},
        {SC_MINIMIZE, "Mi&nimieren"},
        {SC_MAXIMIZE, "Ma&ximieren"},
        {0, "", true},
        {SC_CLOSE,
         "&Schlie\xDF"
         "en\tAlt+F4"},
    };
  }
  return found->second;
}

bool THeadlessMenuService::ModifyMenuText(TMenuHandle menu, std::uint32_t position,
                                          std::uint32_t flags, std::uintptr_t newItem,
                                          const std::string& text) {
  SystemMenuItem* item = FindItem(menu, position, flags);
  if (item == nullptr) return false;
  *item = {newItem, text, false};
  return true;
}

std::string THeadlessMenuService::MenuText(TMenuHandle menu, std::uint32_t item,
                                           std::uint32_t flags, int maxCount) {
  const SystemMenuItem* found = FindItem(menu, item, flags);
  if (found == nullptr || maxCount < 2) return {};
  return found->Text.substr(0, static_cast<std::size_t>(maxCount - 1));
}

void THeadlessMenuService::Reset() {
  chooser_ = nullptr;
  popups_.clear();
  systemMenuOf_.clear();
  systemMenus_.clear();
}

THeadlessMenuService::SystemMenuItem* THeadlessMenuService::FindItem(TMenuHandle menu,
                                                                     std::uint32_t item,
                                                                     std::uint32_t flags) {
  const auto found = systemMenus_.find(menu);
  if (found == systemMenus_.end()) return nullptr;
  std::vector<SystemMenuItem>& items = found->second;
  if (flags & MF_BYPOSITION) return item < items.size() ? &items[item] : nullptr;
  const auto byCommand = std::find_if(items.begin(), items.end(), [item](const auto& each) {
    return !each.Separator && each.Command == item;
  });
  return byCommand == items.end() ? nullptr : &*byCommand;
}

THeadlessMenuService& HeadlessMenuService() {
  static THeadlessMenuService service;
  return service;
}

TMenuService& MenuService() {
  return HeadlessMenuService();
}

}  // namespace qp
