#include "platform/ui/TabSet.h"

#include "platform/core/Describe.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageParams.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {
namespace {

constexpr std::int32_t kStartMargin = 5;
constexpr std::int32_t kTabMargin = 6;

}  // namespace

const TClass& TTabSet::ClassInfo() {
  static const TClass info{Describe<TTabSet, TWinControl>("TTabSet")
                               .Property("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs)
                               .Property("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
                               .Default(-1)};
  return info;
}

TTabSet::TTabSet(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TControlStrings>([this] { TabsChanged(); })) {
  SetBounds(0, 0, 185, 21);
}

TTabSet::~TTabSet() = default;

void TTabSet::SetTabs(TStrings* tabs) {
  if (tabs != nullptr && tabs != tabs_.get()) tabs_->Assign(*tabs);
}

void TTabSet::SetTabIndex(std::int32_t index) {
  if (IsLoading()) {
    tabIndex_ = index;
    return;
  }
  if (index < -1 || index >= tabs_->Count()) index = -1;
  if (index == tabIndex_) return;
  tabIndex_ = index;
  Invalidate();
  Click();
}

TRect TTabSet::ItemRect(std::int32_t index) const {
  if (index < 0 || index >= tabs_->Count()) return {};
  std::int32_t left = kStartMargin;
  for (std::int32_t i = 0;; ++i) {
    const std::int32_t width =
        GraphicsDevice().MeasureText(0, *Font(), tabs_->Strings(i)).cx + 2 * kTabMargin;
    if (i == index) return {left, 0, left + width, Height()};
    left += width;
  }
}

std::int32_t TTabSet::ItemAtPos(TPoint point) const {
  for (std::int32_t i = 0; i < tabs_->Count(); ++i) {
    const TRect rect = ItemRect(i);
    if (point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top &&
        point.Y < rect.Bottom) {
      return i;
    }
  }
  return -1;
}

void TTabSet::Loaded() {
  TWinControl::Loaded();
  if (tabIndex_ < -1 || tabIndex_ >= tabs_->Count()) tabIndex_ = -1;
  Invalidate();
}

void TTabSet::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN) {
    const std::int32_t clicked = ItemAtPos(MousePoint(message.LParam));
    if (clicked >= 0) SetTabIndex(clicked);
  }
  TWinControl::WndProc(message);
}

void TTabSet::TabsChanged() {
  if (!IsLoading() && tabIndex_ >= tabs_->Count()) tabIndex_ = -1;
  Invalidate();
}

}  // namespace qp
