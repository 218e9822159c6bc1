#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextItem.h"
#include "platform/ui/TypedCollection.h"

namespace qp {

// One panel of a status bar: its text and width in pixels.
class TStatusPanel : public TTextItem {
 public:
  using TTextItem::TTextItem;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
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
