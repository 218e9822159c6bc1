#pragma once

#include <cstdint>
#include <string>

#include "platform/core/StringList.h"

namespace qp {

// A temporary key index: lines kept in byte order by SortedInsert and searched by SortedFind,
// each with an integer tag in its object slot. The list's own Sorted switch stays off, since it
// would order without regard to letter case.
class TSortList : public TStringList {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
};

// Binary search for key. With position -1 on entry, position becomes the matching line or, when
// there is none, the insertion point; with any other value it becomes the tag of the matching
// line (of the last line probed when there is none). Of equal keys any one may be found.
bool SortedFind(const TSortList& list, const std::string& key, std::int32_t& position);
// Inserts key with its tag at its place in byte order, in front of an equal key the search hits.
void SortedInsert(TSortList& list, const std::string& key, std::int32_t tag);

}  // namespace qp
