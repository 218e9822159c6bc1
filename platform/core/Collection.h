#pragma once

#include <memory>
#include <vector>

#include "platform/core/Persistent.h"

namespace qp {

class TCollection;

// An item of a collection; it belongs to the collection it was created in.
class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TCollection* Collection() const { return collection_; }
  // Position in the collection, or -1 when it belongs to none.
  int Index() const;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

// An owned, ordered list of items of one class.
class TCollection : public TPersistent {
 public:
  explicit TCollection(const TClass& itemClass);
  ~TCollection() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const TClass& ItemClass() const { return *itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index out of range.
  TCollectionItem* Items(int index) const;
  // Creates a new item of the item class at the end.
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  // Copies the items of another collection of the same item class, property by property.
  void Assign(const TPersistent& source) override;

 private:
  friend class TCollectionItem;
  void Insert(TCollectionItem* item);
  void Remove(TCollectionItem* item);

  const TClass* itemClass_;
  std::vector<TCollectionItem*> items_;
};

}  // namespace qp
