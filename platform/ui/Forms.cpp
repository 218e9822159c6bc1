#include "platform/ui/Forms.h"

#include "platform/core/Describe.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Messages.h"
#include "platform/ui/forms/FormResources.h"

namespace qp {
namespace {

constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;

}  // namespace

const TTypeInfo& TypeInfoFor(TFormBorderStyle*) {
  static const TTypeInfo type = MakeEnumType(
      "TFormBorderStyle",
      {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return type;
}

const TTypeInfo& TypeInfoFor(TBorderIcons*) {
  static const TTypeInfo members =
      MakeEnumType("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
  static const TTypeInfo type = MakeSetType("TBorderIcons", members);
  return type;
}

const TTypeInfo& TypeInfoFor(TPosition*) {
  static const TTypeInfo type = MakeEnumType(
      "TPosition",
      {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"});
  return type;
}

const TClass& TForm::ClassInfo() {
  static const TClass info{
      Describe<TForm, TWinControl>("TForm")
          .Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
          .Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle)
          .Default(static_cast<std::int32_t>(TFormBorderStyle::bsSizeable))
          .Property("Caption", &TForm::Caption, &TForm::SetCaption)
          .Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
          .Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
          .Property("Position", &TForm::Position, &TForm::SetPosition)
          .Default(static_cast<std::int32_t>(TPosition::poDesigned))
          .Property("OnCreate", &TForm::OnCreate)
          .Property("OnDestroy", &TForm::OnDestroy)};
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  // Forms start hidden; Show, ShowModal or the application's Run make them visible.
  TControl::SetVisible(false);
}

TForm::~TForm() {
  OnDestroy(this);
  // The components go first, while the form they belong to is still whole.
  Destroying();
  DestroyComponents();
}

void TForm::AfterConstruction() {
  ReadComponentResource(*this);
  OnCreate(this);
}

void TForm::SetClientWidth(std::int32_t width) {
  clientWidth_ = width;
  SetWidth(width);
}

void TForm::SetClientHeight(std::int32_t height) {
  clientHeight_ = height;
  SetHeight(height);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  RecreateWnd();
}

void TForm::Close() {
  if (Application().MainForm() == this) {
    Application().Terminate();
  } else if (modalResult_ == mrNone && IsModal()) {
    modalResult_ = mrCancel;
  } else {
    Hide();
  }
}

TModalResult TForm::ShowModal() {
  modalResult_ = mrNone;
  modal_ = true;
  PlaceOnScreen();
  Show();
  while (modalResult_ == mrNone && Windowing().DispatchNextMessage()) {
  }
  modal_ = false;
  Hide();
  return modalResult_;
}

void TForm::SetVisible(bool visible) {
  if (visible) Handle();
  TWinControl::SetVisible(visible);
}

void TForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* component = Components(i);
    if (!component->HasParent()) proc(component);
  }
  TWinControl::GetChildren(proc, root);
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style &= ~0x10000000u;  // shown only through Show
  params.Style |= WS_POPUP;
  if (borderStyle_ != TFormBorderStyle::bsNone) params.Style |= WS_CAPTION;
  if (borderStyle_ == TFormBorderStyle::bsSizeable) params.Style |= WS_THICKFRAME;
  if (borderStyle_ == TFormBorderStyle::bsDialog) params.ExStyle |= WS_EX_DLGMODALFRAME;
  // An empty set of border icons leaves the form without system menu and caption buttons.
  if (borderIcons_.Contains(TBorderIcon::biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    if (borderStyle_ != TFormBorderStyle::bsDialog) {
      if (borderIcons_.Contains(TBorderIcon::biMinimize)) params.Style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(TBorderIcon::biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  // A designed client size wins over the designed outer size: the frame differs between systems.
  if (clientWidth_ > 0 && clientHeight_ > 0) {
    const TRect client{Left(), Top(), Left() + clientWidth_, Top() + clientHeight_};
    const TRect outer = Windowing().WindowRectAround(client, params.Style, params.ExStyle);
    SetBounds(Left(), Top(), outer.Width(), outer.Height());
    params.Bounds = BoundsRect();
  }
}

bool TForm::DialogKey(std::uintptr_t key) {
  if (key != VK_RETURN) return false;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* button = dynamic_cast<TButton*>(Components(i));
    if (button != nullptr && button->Default() && button->Visible() && button->Enabled()) {
      button->Click();
      return true;
    }
  }
  return false;
}

void TForm::PlaceOnScreen() {
  if (position_ != TPosition::poScreenCenter) return;
  const TRect screen = Windowing().ScreenRect();
  SetBounds((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2, Width(), Height());
}

}  // namespace qp
