#include "platform/ui/RadioGroup.h"

#include <algorithm>
#include <functional>

#include "platform/core/Describe.h"
#include "platform/ui/Button.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageParams.h"
#include "platform/ui/ws/Graphics.h"

namespace qp {

// One radio button of a group. The group owns it, so it has no owner of its own and is never
// written to a form description.
class TGroupButton final : public TWinControl {
 public:
  explicit TGroupButton(std::function<void()> clicked)
      : TWinControl(nullptr), clicked_(std::move(clicked)) {}

  static const TClass& ClassInfo() {
    static const TClass info{Describe<TGroupButton, TWinControl>("TGroupButton")};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (HandleAllocated()) PushChecked();
  }

  void WndProc(TMessage& message) override {
    if (message.Msg == CN_COMMAND) {
      if (NotificationCode(message) == BN_CLICKED) clicked_();
      return;
    }
    TWinControl::WndProc(message);
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WindowClass = "BUTTON";
    params.Style |= BS_RADIOBUTTON;
  }

  void CreateWnd() override {
    TWinControl::CreateWnd();
    if (checked_) PushChecked();
  }

 private:
  void PushChecked() {
    Windowing().SendTo(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  std::function<void()> clicked_;
  bool checked_ = false;
};

const TClass& TRadioGroup::ClassInfo() {
  static const TClass info{
      Describe<TRadioGroup, TWinControl>("TRadioGroup")
          .Property("Caption", &TRadioGroup::Text, &TRadioGroup::SetText)
          .Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
          .Default(1)
          .Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
          .Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
          .Default(-1)};
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlStrings>([this] { ItemsChanged(); })) {
  SetBounds(0, 0, 185, 105);
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::SetItems(TStrings* items) {
  if (items != nullptr && items != items_.get()) items_->Assign(*items);
}

void TRadioGroup::SetItemIndex(std::int32_t index) {
  if (IsLoading()) {
    itemIndex_ = index;
    return;
  }
  if (index < -1 || index >= items_->Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  CheckChosenButton();
  Click();
}

void TRadioGroup::SetColumns(std::int32_t columns) {
  columns = std::max(columns, 1);
  if (columns == columns_) return;
  columns_ = columns;
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TWinControl::Loaded();
  if (itemIndex_ < -1 || itemIndex_ >= items_->Count()) itemIndex_ = -1;
  CheckChosenButton();
}

void TRadioGroup::BoundsChanged() {
  TWinControl::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::ItemsChanged() {
  if (!IsLoading() && itemIndex_ >= items_->Count()) itemIndex_ = -1;
  RebuildButtons();
}

void TRadioGroup::RebuildButtons() {
  buttons_.clear();
  for (int i = 0; i < items_->Count(); ++i) {
    auto button = std::make_unique<TGroupButton>([this, i] { SetItemIndex(i); });
    button->SetText(items_->Strings(i));
    buttons_.push_back(std::move(button));
  }
  ArrangeButtons();
  CheckChosenButton();
  for (const auto& button : buttons_)
    button->SetParent(this);
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const auto count = static_cast<std::int32_t>(buttons_.size());
  const std::int32_t rows = (count + columns_ - 1) / columns_;
  // The caption takes the first line of the frame.
  const std::int32_t top = GraphicsDevice().MeasureText(0, *Font(), "0").cy;
  const std::int32_t columnWidth = std::max((Width() - 10) / columns_, 0);
  const std::int32_t rowHeight = std::max((Height() - top - 5) / rows, 0);
  for (std::int32_t i = 0; i < count; ++i) {
    buttons_[static_cast<std::size_t>(i)]->SetBounds(8 + i / rows * columnWidth,
                                                     top + i % rows * rowHeight,
                                                     std::max(columnWidth - 8, 0), rowHeight);
  }
}

void TRadioGroup::CheckChosenButton() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetChecked(static_cast<std::int32_t>(i) == itemIndex_);
  }
}

}  // namespace qp
