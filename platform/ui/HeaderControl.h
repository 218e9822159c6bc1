#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextItem.h"
#include "platform/ui/TypedCollection.h"

namespace qp {

// One section of a header control: its text and width in pixels.
class THeaderSection : public TTextItem {
 public:
  using TTextItem::TTextItem;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

class THeaderSections : public TTypedCollection<THeaderSection> {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// A row of column headings in sections.
class THeaderControl : public TWinControl {
 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  THeaderSections* Sections() const { return sections_.get(); }
  // Copies sections into the header's own; nullptr changes nothing.
  void SetSections(THeaderSections* sections);

 private:
  std::unique_ptr<THeaderSections> sections_;
};

}  // namespace qp
