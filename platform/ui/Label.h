#pragma once

#include <string>

#include "platform/ui/GraphicControl.h"

namespace qp {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;
const TTypeInfo& TypeInfoFor(TAlignment*);

// A line of text on its parent's window. It has no window of its own, so it keeps its font and
// colour and takes no focus; the parent draws it when it paints.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  // Fills the bounds with the label's colour and writes the caption on its first line, clipped
  // to the bounds.
  void Paint() override;

 private:
  TAlignment alignment_ = taLeftJustify;
};

}  // namespace qp
