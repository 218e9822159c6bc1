#include "platform/core/Collection.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {
namespace {

// Nested objects (a column's title, a font) are copied into the item's own object.
void CopyProperty(const TPropInfo& property, const TObject& from, TObject& to) {
  if (property.Kind() == TTypeKind::tkClass) {
    auto* source = dynamic_cast<TPersistent*>(std::get<TObject*>(property.Get(from)));
    auto* target = dynamic_cast<TPersistent*>(std::get<TObject*>(property.Get(to)));
    if (source != nullptr && target != nullptr) target->Assign(*source);
  } else if (property.IsWritable()) {
    property.Set(to, property.Get(from));
  }
}

}  // namespace

const TClass& TCollectionItem::ClassInfo() {
  static const TClass info{Describe<TCollectionItem, TPersistent>("TCollectionItem")};
  return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
  if (collection != nullptr) collection->Insert(this);
}

TCollectionItem::~TCollectionItem() {
  if (collection_ != nullptr) collection_->Remove(this);
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

const TClass& TCollection::ClassInfo() {
  static const TClass info{Describe<TCollection, TPersistent>("TCollection")};
  return info;
}

TCollection::TCollection(const TClass& itemClass) : itemClass_(&itemClass) {}

TCollection::~TCollection() {
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  TObject* item = itemClass_->Construct(this);
  if (item == nullptr) {
    throw EListError("Die Klasse " + itemClass_->ClassName() + " kann nicht erzeugt werden");
  }
  return static_cast<TCollectionItem*>(item);
}

void TCollection::Delete(int index) {
  delete Items(index);
}

void TCollection::Clear() {
  while (!items_.empty())
    delete items_.back();
}

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (other == nullptr || other->itemClass_ != itemClass_) {
    TPersistent::Assign(source);
    return;
  }
  Clear();
  for (const TCollectionItem* from : other->items_) {
    TCollectionItem* to = Add();
    for (const TPropInfo* property : itemClass_->DeclaredProperties()) {
      CopyProperty(*property, *from, *to);
    }
  }
}

void TCollection::Insert(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
}

void TCollection::Remove(TCollectionItem* item) {
  std::erase(items_, item);
  item->collection_ = nullptr;
}

}  // namespace qp
