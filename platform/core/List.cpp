#include "platform/core/List.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {

const TClass& TList::ClassInfo() {
  static const TClass info{Describe<TList, TObject>("TList")};
  return info;
}

void* TList::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

void TList::SetItem(int index, void* item) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  items_[static_cast<std::size_t>(index)] = item;
}

int TList::Add(void* item) {
  items_.push_back(item);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  items_.erase(items_.begin() + index);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

int TList::IndexOf(const void* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TList::Pack() {
  std::erase(items_, nullptr);
}

}  // namespace qp
