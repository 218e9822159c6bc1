#pragma once

#include <cstdint>
#include <string>

#include "platform/core/Collection.h"

namespace qp {

// An item of a bar of text items, such as a header's section or a status bar's panel: its text
// and its width in pixels.
class TTextItem : public TCollectionItem {
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

}  // namespace qp
