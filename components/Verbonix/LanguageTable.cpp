#include "components/Verbonix/LanguageTable.h"

#include "platform/core/Exceptions.h"

namespace qp {

TLanguageEntry* TLanguageTable::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return entries_[static_cast<std::size_t>(index)].get();
}

int TLanguageTable::Add(std::unique_ptr<TLanguageEntry> entry) {
  entries_.push_back(std::move(entry));
  return Count() - 1;
}

void TLanguageTable::Free(int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  entries_[static_cast<std::size_t>(index)].reset();
}

void TLanguageTable::Pack() {
  std::erase(entries_, nullptr);
}

}  // namespace qp
