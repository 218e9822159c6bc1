#include "platform/backends/headless/Shell.h"

#include <algorithm>
#include <iterator>

#include "platform/ui/Messages.h"
#include "platform/ui/ws/Windowing.h"

namespace qp {
namespace {

void UpdateFields(TNotifyIconData& icon, const TNotifyIconData& data) {
  icon.cbSize = data.cbSize;
  if (data.uFlags & NIF_MESSAGE) icon.uCallbackMessage = data.uCallbackMessage;
  if (data.uFlags & NIF_ICON) icon.hIcon = data.hIcon;
  if (data.uFlags & NIF_TIP) {
    // The shell keeps the tip's last character for the terminating NUL.
    std::copy(std::begin(data.szTip), std::prev(std::end(data.szTip)), icon.szTip);
    icon.szTip[std::size(icon.szTip) - 1] = '\0';
  }
  icon.uFlags |= data.uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

}  // namespace

bool THeadlessShell::NotifyIcon(std::uint32_t message, const TNotifyIconData& data) {
  const bool accepted = running_ && Apply(message, data);
  calls_.push_back({message, data, accepted});
  return accepted;
}

const TNotifyIconData* THeadlessShell::Icon(TWindowHandle window, std::uint32_t id) const {
  const auto found = icons_.find({window, id});
  return found == icons_.end() ? nullptr : &found->second;
}

void THeadlessShell::Restart() {
  icons_.clear();
  running_ = true;
  Windowing().SendTo(HWND_BROADCAST, kTaskbarCreatedMessage, 0, 0);
}

void THeadlessShell::Reset() {
  icons_.clear();
  calls_.clear();
  running_ = true;
}

bool THeadlessShell::Apply(std::uint32_t message, const TNotifyIconData& data) {
  const auto found = icons_.find({data.hWnd, data.uID});
  switch (message) {
    case NIM_ADD: {
      if (found != icons_.end()) return false;
      TNotifyIconData& icon = icons_[{data.hWnd, data.uID}];
      icon.hWnd = data.hWnd;
      icon.uID = data.uID;
      UpdateFields(icon, data);
      return true;
    }
    case NIM_MODIFY:
      if (found == icons_.end()) return false;
      UpdateFields(found->second, data);
      return true;
    case NIM_DELETE:
      if (found == icons_.end()) return false;
      icons_.erase(found);
      return true;
    default:
      return false;
  }
}

THeadlessShell& HeadlessShell() {
  static THeadlessShell shell;
  return shell;
}

TShell& Shell() {
  return HeadlessShell();
}

}  // namespace qp
