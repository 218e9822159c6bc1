#include "platform/ui/Controls.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Font.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageParams.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

TShiftState ShiftOf(std::uintptr_t keys) {
  // The mouse messages carry the buttons and keys held down as MK_ bits in wParam.
  TShiftState shift;
  if (keys & 0x0001) shift.Include(ssLeft);
  if (keys & 0x0002) shift.Include(ssRight);
  if (keys & 0x0004) shift.Include(ssShift);
  if (keys & 0x0008) shift.Include(ssCtrl);
  if (keys & 0x0010) shift.Include(ssMiddle);
  return shift;
}

}  // namespace

const TTypeInfo& TypeInfoFor(TAlign*) {
  static const TTypeInfo type =
      MakeEnumType("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
  return type;
}

const TClass& TControl::ClassInfo() {
  static const TClass info{
      Describe<TControl, TComponent>("TControl")
          .Property("Left", &TControl::Left, &TControl::SetLeft)
          .Property("Top", &TControl::Top, &TControl::SetTop)
          .Property("Width", &TControl::Width, &TControl::SetWidth)
          .Property("Height", &TControl::Height, &TControl::SetHeight)
          .Property("Align", &TControl::Align, &TControl::SetAlign)
          .Default(0)
          .Property("Color", &TControl::Color, &TControl::SetColor)
          .Property("Cursor", &TControl::Cursor, &TControl::SetCursor)
          .Default(0)
          .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Default(1)
          .Property("Font", &TControl::Font, &TControl::SetFont)
          .Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext)
          .Default(0)
          .Property("Hint", &TControl::Hint, &TControl::SetHint)
          .Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
          .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Default(0)
          .Property("Visible", &TControl::Visible, &TControl::SetVisible)
          .Default(1)
          .Property("OnClick", &TControl::OnClick)
          .Property("OnDblClick", &TControl::OnDblClick)
          .Property("OnDragDrop", &TControl::OnDragDrop)
          .Property("OnDragOver", &TControl::OnDragOver)
          .Property("OnEndDrag", &TControl::OnEndDrag)
          .Property("OnMouseDown", &TControl::OnMouseDown)
          .Property("OnMouseMove", &TControl::OnMouseMove)
          .Property("OnMouseUp", &TControl::OnMouseUp)};
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

TControl::~TControl() {
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetLeft(std::int32_t left) {
  SetBounds(left, Top(), Width(), Height());
}
void TControl::SetTop(std::int32_t top) {
  SetBounds(Left(), top, Width(), Height());
}
void TControl::SetWidth(std::int32_t width) {
  SetBounds(Left(), Top(), width, Height());
}
void TControl::SetHeight(std::int32_t height) {
  SetBounds(Left(), Top(), Width(), height);
}

void TControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height) {
  const TRect bounds{left, top, left + width, top + height};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  BoundsChanged();
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
}
void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Invalidate();
}

void TControl::SetFont(TFont* font) {
  if (font == nullptr || font == font_.get()) return;
  font_->Assign(*font);
  FontChanged();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void TControl::Click() {
  OnClick(this);
}

void TControl::Invalidate() {
  if (parent_ != nullptr) parent_->Invalidate();
}

void TControl::WndProc(TMessage& message) {
  const TShiftState shift = ShiftOf(message.WParam);
  const auto [x, y] = MousePoint(message.LParam);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      OnMouseDown(this, mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
      OnMouseDown(this, mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
      OnMouseDown(this, mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONUP:
      OnMouseUp(this, mbLeft, shift, x, y);
      break;
    case WM_RBUTTONUP:
      OnMouseUp(this, mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      OnMouseUp(this, mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(this, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      OnDblClick(this);
      break;
    default:
      break;
  }
  DefaultHandler(message);
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* container = dynamic_cast<TWinControl*>(parent)) SetParent(container);
}

const TClass& TWinControl::ClassInfo() {
  static const TClass info{Describe<TWinControl, TControl>("TWinControl")
                               .Property("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
                               .Default(1)
                               .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                               .Default(0)
                               .Property("OnEnter", &TWinControl::OnEnter)
                               .Property("OnExit", &TWinControl::OnExit)};
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  while (!controls_.empty())
    controls_.back()->SetParent(nullptr);
  DestroyHandle();
}

TWindowHandle TWinControl::Handle() {
  // The parent's window first: making it makes the windows of its children, this one included.
  if (handle_ == 0 && Parent() != nullptr) Parent()->Handle();
  if (handle_ == 0) {
    TCreateParams params;
    CreateParams(params);
    ownWindowClass_ = params.WindowClass.empty();
    handle_ = Windowing().CreateWindowFor(params, [this](TMessage& m) { MainWndProc(m); });
    CreateWnd();
  }
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_ == 0) return;
  for (TControl* control : controls_) {
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  }
  DestroyWnd();
  Windowing().DestroyWindowHandle(handle_);
  handle_ = 0;
}

void TWinControl::RecreateWnd() {
  if (handle_ == 0) return;
  DestroyHandle();
  Handle();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) ThrowListIndexError(index);
  return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (handle_ != 0) Windowing().ShowWindowHandle(handle_, visible ? 5 : 0, false);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_ != 0) Windowing().EnableWindowHandle(handle_, enabled);
}

void TWinControl::Invalidate() {
  if (handle_ != 0) Windowing().InvalidateWindow(handle_);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      if (TWinControl* child = ControlOfWindow(static_cast<TWindowHandle>(message.LParam))) {
        TMessage reflected{CN_COMMAND, message.WParam, message.LParam, 0};
        child->WndProc(reflected);
        message.Result = reflected.Result;
        return;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const TDrawItemStruct*>(message.LParam);
      if (TWinControl* child = ControlOfWindow(item->hwndItem)) {
        TMessage reflected{CN_DRAWITEM, message.WParam, message.LParam, 0};
        child->WndProc(reflected);
        message.Result = 1;
        return;
      }
      break;
    }
    case WM_MEASUREITEM: {
      // Sent while the child's window is still being created, so it is found by identifier.
      const auto* item = reinterpret_cast<const TMeasureItemStruct*>(message.LParam);
      for (TControl* control : controls_) {
        auto* child = dynamic_cast<TWinControl*>(control);
        if (child != nullptr && child->windowId_ == item->CtlID) {
          TMessage reflected{CN_MEASUREITEM, message.WParam, message.LParam, 0};
          child->WndProc(reflected);
          message.Result = 1;
          return;
        }
      }
      break;
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_RETURN && DialogKey(message.WParam)) {
        message.Result = 0;
        return;
      }
      break;
    case WM_PAINT:
      if (ownWindowClass_ && handle_ != 0) {
        Windowing().PaintWindow(handle_, [this](TDeviceContext dc) { PaintWindow(dc); });
        message.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TControl::WndProc(message);
}

bool TWinControl::DialogKey(std::uintptr_t key) {
  return Parent() != nullptr && Parent()->DialogKey(key);
}

void TWinControl::PaintWindow(TDeviceContext dc) {
  for (TControl* control : controls_) {
    if (auto* graphic = dynamic_cast<TGraphicControl*>(control)) graphic->PaintTo(dc);
  }
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  for (TControl* control : controls_) {
    if (control->Owner() == root) proc(control);
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  static std::uint32_t nextId = 100;
  if (windowId_ == 0) windowId_ = nextId++;
  params.Caption = Text();
  params.Bounds = WindowBounds();
  params.Id = windowId_;
  if (Parent() != nullptr) {
    params.Parent = Parent()->Handle();
    params.Style = 0x40000000;  // WS_CHILD
  }
  if (Visible()) params.Style |= 0x10000000;   // WS_VISIBLE
  if (!Enabled()) params.Style |= 0x08000000;  // WS_DISABLED
}

void TWinControl::CreateWnd() {
  for (TControl* control : controls_) {
    if (auto* child = dynamic_cast<TWinControl*>(control)) child->Handle();
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  // While the window is being created its handle is not known yet; 0 names the window whose
  // message is being handled.
  message.Result = Windowing().DefaultHandling(handle_, message);
}

void TWinControl::BoundsChanged() {
  if (handle_ != 0) Windowing().SetWindowBounds(handle_, WindowBounds());
}

void TWinControl::TextChanged() {
  if (handle_ != 0) Windowing().SetWindowCaption(handle_, Text());
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* child = dynamic_cast<TWinControl*>(control); child != nullptr && handle_ != 0) {
    child->Handle();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  if (auto* child = dynamic_cast<TWinControl*>(control)) child->DestroyHandle();
  std::erase(controls_, control);
  control->parent_ = nullptr;
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    WndProc(message);
  } catch (const Exception& error) {
    Application().HandleException(error);
  }
}

TWinControl* TWinControl::ControlOfWindow(TWindowHandle window) const {
  for (TControl* control : controls_) {
    auto* child = dynamic_cast<TWinControl*>(control);
    if (child != nullptr && child->handle_ == window && window != 0) return child;
  }
  return nullptr;
}

}  // namespace qp
