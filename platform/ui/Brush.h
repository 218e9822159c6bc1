#pragma once

#include "platform/core/Colors.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace qp {

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

const TTypeInfo& TypeInfoFor(TBrushStyle*);

// How a canvas fills areas: with a colour, or not at all.
class TBrush : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; }

  // Copies another brush; other sources raise EConvertError.
  void Assign(const TPersistent& source) override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

}  // namespace qp
