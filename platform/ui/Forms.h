#pragma once

#include <cstdint>

#include "platform/core/Set.h"
#include "platform/ui/Controls.h"

namespace qp {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
const TTypeInfo& TypeInfoFor(TFormBorderStyle*);

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
const TTypeInfo& TypeInfoFor(TBorderIcons*);

enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
const TTypeInfo& TypeInfoFor(TPosition*);

using TModalResult = std::int32_t;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrCancel = 2;

// A top-level window described by a form description of its class's name. Created through
// TApplication::CreateForm or CreateOwnedForm, which read the description after construction
// (a constructor cannot yet call the class's own published methods).
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  std::int32_t ClientWidth() const { return clientWidth_; }
  void SetClientWidth(std::int32_t width);
  std::int32_t ClientHeight() const { return clientHeight_; }
  void SetClientHeight(std::int32_t height);
  TRect ClientRect() const override { return {0, 0, clientWidth_, clientHeight_}; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

  // Reads the form's description and raises OnCreate: the second step of construction.
  void AfterConstruction();

  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void Close();
  // Shows the form and runs the message loop until ModalResult is set; answers it.
  TModalResult ShowModal();
  bool IsModal() const { return modal_; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }

  void SetVisible(bool visible) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // Return clicks the form's visible, enabled default button.
  bool DialogKey(std::uintptr_t key) override;

 private:
  void PlaceOnScreen();

  std::int32_t clientWidth_ = 0;
  std::int32_t clientHeight_ = 0;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                            TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDesigned;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
};

// Creates a form of class T owned by owner and reads its description.
template <class T>
T* CreateOwnedForm(TComponent* owner) {
  T* form = new T(owner);
  form->AfterConstruction();
  return form;
}

}  // namespace qp
