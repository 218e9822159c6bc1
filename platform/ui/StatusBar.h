#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TypedCollection.h"

namespace qp {

// One panel of a status bar: its text and width in pixels.
class TStatusPanel : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width) { width_ = width; }

 private:
  std::string text_;
  std::int32_t width_ = 50;
};

class TStatusPanels : public TTypedCollection<TStatusPanel> {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// A bar of text panels along the edge of a form.
class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TStatusPanels* Panels() const { return panels_.get(); }
  // Copies panels into the status bar's own; nullptr changes nothing.
  void SetPanels(TStatusPanels* panels);

 private:
  std::unique_ptr<TStatusPanels> panels_;
};

}  // namespace qp
