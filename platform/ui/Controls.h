#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Colors.h"
#include "platform/core/Component.h"
#include "platform/ui/Events.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Types.h"
#include "platform/ui/ws/Windowing.h"

namespace qp {

class TFont;
class TPopupMenu;
class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
const TTypeInfo& TypeInfoFor(TAlign*);

// A visual element of a form. Its state lives in plain fields, so properties work before any
// window exists (form reading needs that); a control with a window pushes changes into it.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  std::int32_t Left() const { return bounds_.Left; }
  std::int32_t Top() const { return bounds_.Top; }
  std::int32_t Width() const { return bounds_.Width(); }
  std::int32_t Height() const { return bounds_.Height(); }
  void SetLeft(std::int32_t left);
  void SetTop(std::int32_t top);
  void SetWidth(std::int32_t width);
  virtual void SetHeight(std::int32_t height);
  virtual void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                         std::int32_t height);
  TRect BoundsRect() const { return bounds_; }
  // The client area; without borders of its own it is the control's size.
  virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint) { showHint_ = showHint; }
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  std::int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(std::int32_t helpContext) { helpContext_ = helpContext; }
  TAlign Align() const { return align_; }
  void SetAlign(TAlign align) { align_ = align; }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* popupMenu) { popupMenu_ = popupMenu; }
  // The caption of labels, buttons and forms, the text of edits and combo boxes.
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;

  // Raises OnClick with the control as sender.
  virtual void Click();
  virtual void Invalidate();

  // The control's message handling; overrides handle what they know and pass the rest on.
  virtual void WndProc(TMessage& message);

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  // The system's own handling of a message the control leaves alone; without a window, none.
  virtual void DefaultHandler(TMessage& /*message*/) {}
  // Push a change into the window, if there is one.
  virtual void BoundsChanged() {}
  virtual void TextChanged() {}
  virtual void FontChanged() {}

  std::string text_;

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  TRect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = false;
  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  TCursor cursor_ = crDefault;
  std::int32_t helpContext_ = 0;
  TAlign align_ = TAlign::alNone;
  TPopupMenu* popupMenu_ = nullptr;
};

// A control with a window of its own, created on demand; it can hold other controls.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Creates the window (and the parent's) when it does not exist yet.
  TWindowHandle Handle();
  bool HandleAllocated() const { return handle_ != 0; }
  void DestroyHandle();
  // Destroys the window and creates it anew with the current creation parameters.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D) { ctl3D_ = ctl3D; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void Invalidate() override;
  void WndProc(TMessage& message) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 protected:
  // The window class, style and bounds of the window to create; overrides add to them.
  virtual void CreateParams(TCreateParams& params);
  // Called after the window was created: pushes the control's state into it.
  virtual void CreateWnd();
  // Called before the window is destroyed: reads back what the window alone knows.
  virtual void DestroyWnd() {}
  void DefaultHandler(TMessage& message) override;
  void BoundsChanged() override;
  void TextChanged() override;
  // The bounds the control's window is created and kept with.
  virtual TRect WindowBounds() const { return BoundsRect(); }
  // Draws a window of the program's own class on dc, its client area: the windowless controls
  // it holds, in their order. The system erased the background before.
  virtual void PaintWindow(TDeviceContext dc);
  // A key that acts on the whole dialog (Return for the default button), passed up to the form;
  // true when something took it.
  virtual bool DialogKey(std::uintptr_t key);

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The entry for every message to the window: errors go to the application's handler.
  void MainWndProc(TMessage& message);
  TWinControl* ControlOfWindow(TWindowHandle window) const;

  TWindowHandle handle_ = 0;
  // Standard control classes paint themselves.
  bool ownWindowClass_ = false;
  std::uint32_t windowId_ = 0;
  std::vector<TControl*> controls_;
  bool tabStop_ = false;
  bool ctl3D_ = true;
};

// The messages the parent window reflects to the control that raised them.
constexpr std::uint32_t CN_BASE = 0xBC00;
constexpr std::uint32_t CN_COMMAND = CN_BASE + 0x0111;
constexpr std::uint32_t CN_DRAWITEM = CN_BASE + 0x002B;
constexpr std::uint32_t CN_MEASUREITEM = CN_BASE + 0x002C;

}  // namespace qp
