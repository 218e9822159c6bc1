#pragma once

#include <memory>
#include <string>

#include "platform/core/Component.h"
#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ws/Shell.h"

namespace qp {

class TIcon;
class TPopupMenu;

// The shell reports mouse actions on the icon with this message to the hidden window; lParam is
// the mouse message.
constexpr std::uint32_t WM_TRAYNOTIFY = WM_USER + 1;
// Posted to itself to apply the tool-tip once more, after the current work.
constexpr std::uint32_t WM_TRAYREFRESH = WM_USER + 2;
// The shell keeps at most this many characters of a tool-tip.
constexpr std::size_t kMaxToolTipLength = 62;

// One icon with a tool-tip in the notification area, kept up to date while Active, and the
// shell's reports of mouse actions on it turned into events and a popup menu.
class TTrayIcon : public TComponent {
 public:
  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  bool Active() const { return active_; }
  void SetActive(bool active);
  // Decides at design time whether the icon shows; at run time it always reads False.
  bool ShowDesigning() const { return showDesigning_; }
  void SetShowDesigning(bool showDesigning);
  TIcon* Icon() const { return icon_.get(); }
  // Copies the image of icon into the component's own icon.
  void SetIcon(TIcon* icon);
  const std::string& ToolTip() const { return toolTip_; }
  // Keeps the first 62 characters.
  void SetToolTip(const std::string& toolTip);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnRightClick;
  // Not owned.
  TPopupMenu* PopupMenu = nullptr;

  // The record as it was last filled, and the hidden window the shell reports to.
  const TNotifyIconData& IconData() const { return FIconData; }
  TWindowHandle WindowHandle() const { return FWindowHandle; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void FillIconData();
  bool AddIcon();
  bool ModifyIcon();
  bool DeleteIcon();
  void WndProc(TMessage& message);
  void RightButtonUp();

  TNotifyIconData FIconData{};
  std::unique_ptr<TIcon> icon_;
  std::string toolTip_;
  TWindowHandle FWindowHandle = 0;
  bool active_ = false;
  bool showDesigning_ = false;
};

}  // namespace qp
