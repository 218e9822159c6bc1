#include "platform/ui/DBGrid.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TColumnTitle::ClassInfo() {
  static const TClass info{
      Describe<TColumnTitle, TPersistent>("TColumnTitle")
          .Property("Caption", &TColumnTitle::Caption, &TColumnTitle::SetCaption)};
  return info;
}

void TColumnTitle::Assign(const TPersistent& source) {
  const auto* title = dynamic_cast<const TColumnTitle*>(&source);
  if (title == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  caption_ = title->caption_;
}

const TClass& TColumn::ClassInfo() {
  static const TClass info{Describe<TColumn, TCollectionItem>("TColumn")
                               .Property("Title", &TColumn::Title, &TColumn::SetTitle)
                               .Property("Width", &TColumn::Width, &TColumn::SetWidth)
                               .Default(64)};
  return info;
}

TColumn::TColumn(TCollection* collection)
    : TCollectionItem(collection), title_(std::make_unique<TColumnTitle>()) {}

TColumn::~TColumn() = default;

void TColumn::SetTitle(TColumnTitle* title) {
  if (title != nullptr && title != title_.get()) title_->Assign(*title);
}

const TClass& TDBGridColumns::ClassInfo() {
  static const TClass info{Describe<TDBGridColumns, TCollection>("TDBGridColumns")};
  return info;
}

const TClass& TDBGrid::ClassInfo() {
  static const TClass info{Describe<TDBGrid, TWinControl>("TDBGrid")
                               .Property("Columns", &TDBGrid::Columns, &TDBGrid::SetColumns)
                               .Property("TabStop", &TDBGrid::TabStop, &TDBGrid::SetTabStop)
                               .Default(1)};
  return info;
}

TDBGrid::TDBGrid(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TDBGridColumns>()) {
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
  SetTabStop(true);
}

TDBGrid::~TDBGrid() = default;

void TDBGrid::SetColumns(TDBGridColumns* columns) {
  if (columns != nullptr && columns != columns_.get()) columns_->Assign(*columns);
}

}  // namespace qp
