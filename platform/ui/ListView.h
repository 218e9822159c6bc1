#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TypedCollection.h"

namespace qp {

// One column of a list view: its heading and width in pixels.
class TListColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width) { width_ = width; }

 private:
  std::string caption_;
  std::int32_t width_ = 50;
};

class TListColumns : public TTypedCollection<TListColumn> {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// A list in columns with headings.
class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TListColumns* Columns() const { return columns_.get(); }
  // Copies columns into the list view's own; nullptr changes nothing.
  void SetColumns(TListColumns* columns);

 private:
  std::unique_ptr<TListColumns> columns_;
};

}  // namespace qp
