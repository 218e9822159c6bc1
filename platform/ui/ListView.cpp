#include "platform/ui/ListView.h"

#include "platform/core/Describe.h"

namespace qp {

const TClass& TListColumn::ClassInfo() {
  static const TClass info{Describe<TListColumn, TCollectionItem>("TListColumn")
                               .Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                               .Property("Width", &TListColumn::Width, &TListColumn::SetWidth)
                               .Default(50)};
  return info;
}

const TClass& TListColumns::ClassInfo() {
  static const TClass info{Describe<TListColumns, TCollection>("TListColumns")};
  return info;
}

const TClass& TListView::ClassInfo() {
  static const TClass info{Describe<TListView, TWinControl>("TListView")
                               .Property("Columns", &TListView::Columns, &TListView::SetColumns)
                               .Property("TabStop", &TListView::TabStop, &TListView::SetTabStop)
                               .Default(1)};
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>()) {
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  SetTabStop(true);
}

TListView::~TListView() = default;

void TListView::SetColumns(TListColumns* columns) {
  if (columns != nullptr && columns != columns_.get()) columns_->Assign(*columns);
}

}  // namespace qp
