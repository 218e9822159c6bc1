#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TypedCollection.h"

namespace qp {

// The heading of a grid column.
class TColumnTitle : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }

  // Copies another title; other sources raise EConvertError.
  void Assign(const TPersistent& source) override;

 private:
  std::string caption_;
};

// One column of a data grid: its title and width in pixels.
class TColumn : public TCollectionItem {
 public:
  explicit TColumn(TCollection* collection);
  ~TColumn() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // The column's own title; it is never nullptr.
  TColumnTitle* Title() const { return title_.get(); }
  // Copies title into the column's own; nullptr changes nothing.
  void SetTitle(TColumnTitle* title);
  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t width) { width_ = width; }

 private:
  std::unique_ptr<TColumnTitle> title_;
  std::int32_t width_ = 64;
};

class TDBGridColumns : public TTypedCollection<TColumn> {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// A grid of rows in titled columns.
class TDBGrid : public TWinControl {
 public:
  explicit TDBGrid(TComponent* owner);
  ~TDBGrid() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TDBGridColumns* Columns() const { return columns_.get(); }
  // Copies columns into the grid's own; nullptr changes nothing.
  void SetColumns(TDBGridColumns* columns);

 private:
  std::unique_ptr<TDBGridColumns> columns_;
};

}  // namespace qp
