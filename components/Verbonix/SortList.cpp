#include "components/Verbonix/SortList.h"

#include <cstdint>

#include "platform/core/Describe.h"

namespace qp {
namespace {

// The tag travels in the object slot as an integer; the slot never holds a real object here.
TObject* TagAsObject(std::int32_t tag) {
  return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(tag));
}

std::int32_t TagOf(const TSortList& list, int index) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(list.Objects(index)));
}

}  // namespace

const TClass& TSortList::ClassInfo() {
  static const TClass info{Describe<TSortList, TStringList>("TSortList")};
  return info;
}

bool SortedFind(const TSortList& list, const std::string& key, std::int32_t& position) {
  const bool wantsPosition = position == -1;
  int low = 0;
  int high = list.Count() - 1;
  int mid = 0;
  bool found = false;
  while (low <= high) {
    mid = (low + high) / 2;
    // std::string compares as unsigned bytes.
    const int order = key.compare(list.LineAt(mid));
    if (order < 0) {
      high = mid - 1;
    } else if (order == 0) {
      found = true;
      break;
    } else {
      low = mid + 1;
      if (high < low && wantsPosition) ++mid;
    }
  }
  position = wantsPosition || list.Count() == 0 ? mid : TagOf(list, mid);
  return found;
}

void SortedInsert(TSortList& list, const std::string& key, std::int32_t tag) {
  std::int32_t position = -1;
  SortedFind(list, key, position);
  list.InsertObject(position, key, TagAsObject(tag));
}

}  // namespace qp
