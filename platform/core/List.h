#pragma once

#include <vector>

#include "platform/core/Object.h"

namespace qp {

// An ordered list of untyped pointer slots; a slot may hold nullptr. Index errors raise EListError.
class TList : public TObject {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  int Count() const { return static_cast<int>(items_.size()); }
  void* Items(int index) const;
  void SetItem(int index, void* item);
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // Removes the first slot that holds item and answers its index, or -1.
  int Remove(void* item);
  int IndexOf(const void* item) const;
  // Deletes every nil slot, keeping the order of the rest.
  void Pack();

 private:
  std::vector<void*> items_;
};

}  // namespace qp
