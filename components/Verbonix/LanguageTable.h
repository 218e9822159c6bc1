#pragma once

#include <memory>
#include <vector>

#include "components/Verbonix/LanguageEntry.h"

namespace qp {

// The ordered entries of one engine. Each entry is allocated on its own and owned here; no
// operation moves it, so a plain pointer to an entry stays valid until the entry is freed. A
// position holds nullptr from the freeing of its entry until the next Pack.
class TLanguageTable {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  // Raises EListError for an index out of range.
  TLanguageEntry* Items(int index) const;
  // Answers the new entry's position.
  int Add(std::unique_ptr<TLanguageEntry> entry);
  // Frees the entry at index and leaves the position empty; raises EListError out of range.
  void Free(int index);
  // Deletes the empty positions, keeping the order of the rest.
  void Pack();

 private:
  std::vector<std::unique_ptr<TLanguageEntry>> entries_;
};

}  // namespace qp
