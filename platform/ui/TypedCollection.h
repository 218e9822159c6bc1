#pragma once

#include "platform/core/Collection.h"

namespace qp {

// A collection of items of class Item, handed out as such.
template <class Item>
class TTypedCollection : public TCollection {
 public:
  TTypedCollection() : TCollection(Item::ClassInfo()) {}

  // Raises EListError for an index out of range.
  Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
  Item* Add() { return static_cast<Item*>(TCollection::Add()); }
};

}  // namespace qp
