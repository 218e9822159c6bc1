#include "components/TrayIcon.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/ui/Application.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ws/Windowing.h"

namespace qp {
namespace {

bool IsTaskbarCreated(std::uint32_t msg) {
  const std::uint32_t taskbarCreated = Shell().TaskbarCreatedMessage();
  return taskbarCreated != 0 && msg == taskbarCreated;
}

}  // namespace

const TClass& TTrayIcon::ClassInfo() {
  static const TClass info{
      Describe<TTrayIcon, TComponent>("TTrayIcon")
          .Property("Active", &TTrayIcon::Active, &TTrayIcon::SetActive)
          .Property("ShowDesigning", &TTrayIcon::ShowDesigning, &TTrayIcon::SetShowDesigning)
          .Property("Icon", &TTrayIcon::Icon, &TTrayIcon::SetIcon)
          .Property("ToolTip", &TTrayIcon::ToolTip, &TTrayIcon::SetToolTip)
          .Property("OnClick", &TTrayIcon::OnClick)
          .Property("OnDblClick", &TTrayIcon::OnDblClick)
          .Property("OnRightClick", &TTrayIcon::OnRightClick)
          .Property("PopupMenu", &TTrayIcon::PopupMenu)};
  return info;
}

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner),
      icon_(std::make_unique<TIcon>()),
      FWindowHandle(Windowing().CreateUtilityWindow([this](TMessage& m) { WndProc(m); })) {}

TTrayIcon::~TTrayIcon() {
  if ((!IsDesigning() && active_) || (IsDesigning() && showDesigning_)) DeleteIcon();
  icon_.reset();
  Windowing().DestroyWindowHandle(FWindowHandle);
}

void TTrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (IsDesigning()) return;
  if (active) {
    AddIcon();
  } else {
    DeleteIcon();
  }
}

void TTrayIcon::SetShowDesigning(bool showDesigning) {
  if (!IsDesigning() || showDesigning == showDesigning_) return;
  showDesigning_ = showDesigning;
  if (showDesigning) {
    AddIcon();
  } else {
    DeleteIcon();
  }
}

void TTrayIcon::SetIcon(TIcon* icon) {
  if (icon == icon_.get()) return;
  icon_->Assign(*icon);
  ModifyIcon();
}

void TTrayIcon::SetToolTip(const std::string& toolTip) {
  toolTip_ = toolTip.substr(0, kMaxToolTipLength);
  ModifyIcon();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The menu may go before the icon; a right click must never reach a freed menu.
  if (operation == opRemove && component == PopupMenu) PopupMenu = nullptr;
}

void TTrayIcon::FillIconData() {
  FIconData.cbSize = sizeof(TNotifyIconData);
  FIconData.hWnd = FWindowHandle;
  FIconData.uID = 0;
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FIconData.uCallbackMessage = WM_TRAYNOTIFY;
  FIconData.hIcon = icon_->Handle();
  std::fill(std::begin(FIconData.szTip), std::end(FIconData.szTip), '\0');
  std::copy(toolTip_.begin(), toolTip_.end(), FIconData.szTip);
}

bool TTrayIcon::AddIcon() {
  FillIconData();
  const bool added = Shell().NotifyIcon(NIM_ADD, FIconData);
  if (toolTip_.empty()) Windowing().PostTo(FWindowHandle, WM_TRAYREFRESH, 0, 0);
  return added;
}

bool TTrayIcon::ModifyIcon() {
  FillIconData();
  if (!active_) return true;
  return Shell().NotifyIcon(NIM_MODIFY, FIconData);
}

bool TTrayIcon::DeleteIcon() {
  return Shell().NotifyIcon(NIM_DELETE, FIconData);
}

void TTrayIcon::WndProc(TMessage& message) {
  if (message.Msg == WM_TRAYREFRESH) {
    SetToolTip(toolTip_);
  } else if (message.Msg == WM_TRAYNOTIFY) {
    switch (message.LParam) {
      case WM_LBUTTONUP:
        OnClick(this);
        break;
      case WM_LBUTTONDBLCLK:
        OnDblClick(this);
        break;
      case WM_RBUTTONUP:
        RightButtonUp();
        break;
      default:
        break;
    }
  } else if (IsTaskbarCreated(message.Msg)) {
    // A restarted shell has forgotten every icon; a running icon enters it again.
    if (active_ && !IsDesigning()) AddIcon();
  } else {
    message.Result = Windowing().DefaultHandling(FWindowHandle, message);
  }
}

void TTrayIcon::RightButtonUp() {
  const TPoint at = Windowing().CursorPos();
  if (PopupMenu != nullptr) {
    // The menu closes when the user clicks elsewhere only if the program is in front.
    Windowing().SetForeground(Application().Handle());
    Application().ProcessMessages();
    PopupMenu->Popup(at.X, at.Y);
  }
  OnRightClick(this, mbRight, TShiftState{}, at.X, at.Y);
}

}  // namespace qp
