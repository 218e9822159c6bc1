#include "platform/ui/ListBox.h"

#include "platform/core/Describe.h"
#include "platform/ui/MessageParams.h"

namespace qp {
namespace {

constexpr std::uint32_t LBS_NOTIFY = 0x0001;
constexpr std::uint32_t LBS_SORT = 0x0002;
constexpr std::uint32_t LBS_HASSTRINGS = 0x0040;
constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr std::uint32_t WS_VSCROLL = 0x00200000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;

}  // namespace

const TClass& TListBox::ClassInfo() {
  static const TClass info{Describe<TListBox, TWinControl>("TListBox")
                               .Property("Items", &TListBox::Items, &TListBox::SetItems)
                               .Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
                               .Default(0)
                               .Property("TabStop", &TListBox::TabStop, &TListBox::SetTabStop)
                               .Default(1)};
  return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlStrings>([this] { ItemsChanged(); })) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
}

TListBox::~TListBox() = default;

void TListBox::SetItems(TStrings* items) {
  if (items != nullptr && items != items_.get()) items_->Assign(*items);
}

void TListBox::SetItemIndex(std::int32_t index) {
  if (index < -1 || index >= items_->Count()) index = -1;
  itemIndex_ = index;
  if (HandleAllocated()) {
    Windowing().SendTo(Handle(), LB_SETCURSEL, static_cast<std::uintptr_t>(index), 0);
  }
}

void TListBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  items_->SetSorted(sorted);
  RecreateWnd();
}

void TListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (NotificationCode(message) == LBN_SELCHANGE) SelectionChanged();
    return;
  }
  TWinControl::WndProc(message);
}

void TListBox::SelectionChanged() {
  const auto selected = static_cast<std::int32_t>(Windowing().SendTo(Handle(), LB_GETCURSEL, 0, 0));
  itemIndex_ = selected >= 0 && selected < items_->Count() ? selected : -1;
  Click();
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WindowClass = "LISTBOX";
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (sorted_) params.Style |= LBS_SORT;
  if (Ctl3D()) {
    params.ExStyle |= WS_EX_CLIENTEDGE;
  } else {
    params.Style |= WS_BORDER;
  }
}

void TListBox::CreateWnd() {
  TWinControl::CreateWnd();
  PushItems();
}

void TListBox::ItemsChanged() {
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  PushItems();
}

void TListBox::PushItems() {
  if (!HandleAllocated()) return;
  const TWindowHandle window = Handle();
  Windowing().SendTo(window, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_->Count(); ++i) {
    const std::string line = items_->Strings(i);
    Windowing().SendTo(window, LB_ADDSTRING, 0, reinterpret_cast<std::intptr_t>(line.c_str()));
  }
  Windowing().SendTo(window, LB_SETCURSEL, static_cast<std::uintptr_t>(itemIndex_), 0);
}

}  // namespace qp
