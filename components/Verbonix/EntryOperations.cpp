// The engine's operations on its language table.
#include "components/Verbonix/Verbonix.h"

#include <bitset>
#include <exception>

namespace qp {

std::unique_ptr<TLanguageEntry> TVerbonix::NewEntry(TEntryKind kind) {
  return std::make_unique<TLanguageEntry>(kind);
}

std::unique_ptr<TLanguageEntry> TVerbonix::CopyEntry(const TLanguageEntry& entry) {
  auto copy = NewEntry(entry.Kind);
  copy->LanguageNo = entry.LanguageNo;
  copy->ComponentName = entry.ComponentName;
  copy->ComponentIndex = entry.ComponentIndex;
  if (entry.Icon() != nullptr) {
    auto icon = std::make_unique<TIcon>();
    icon->Assign(*entry.Icon());
    copy->SetIcon(std::move(icon));
  } else {
    copy->SetComponent(entry.Component());
  }
  copy->PropertyName = entry.PropertyName;
  copy->PropInfo = entry.PropInfo;
  copy->SubIndex = entry.SubIndex;
  copy->Value = entry.Value;
  return copy;
}

int TVerbonix::FindEntry(const TLanguageEntry& entry) const {
  for (int i = 0; i < FLanguages.Count(); ++i) {
    const TLanguageEntry* e = FLanguages.Items(i);
    if (e != nullptr && e->Kind == entry.Kind && e->LanguageNo == entry.LanguageNo &&
        e->ComponentName == entry.ComponentName && e->PropertyName == entry.PropertyName &&
        e->SubIndex == entry.SubIndex) {
      return i;
    }
  }
  return -1;
}

bool TVerbonix::IsBaseLanguageName(const std::string& name) const {
  return FLanguages.Count() > 0 && FLanguages.Items(0) != nullptr &&
         FLanguages.Items(0)->Value == name;
}

void TVerbonix::DisposeEntry(int position) {
  const TLanguageEntry& entry = *FLanguages.Items(position);
  if (entry.Kind == ekLanguage) RemoveLanguageEntries(entry.Value);
  FLanguages.Free(position);
}

void TVerbonix::RemoveEntry(int position) {
  if (position >= 1 && position < FLanguages.Count() && FLanguages.Items(position) != nullptr)
    DisposeEntry(position);
}

void TVerbonix::ClearEntries() {
  if (FLanguages.Count() <= 1) return;
  for (int i = 1; i < FLanguages.Count(); ++i)
    RemoveEntry(i);
  FLanguages.Pack();
}

std::int32_t TVerbonix::NextLanguageNo() const {
  std::bitset<kMaxLanguageNo + 1> used;
  for (int i = 0; i < FLanguages.Count(); ++i) {
    const TLanguageEntry* e = FLanguages.Items(i);
    if (e != nullptr && e->Kind == ekLanguage && e->LanguageNo >= 0 &&
        e->LanguageNo <= kMaxLanguageNo) {
      used.set(static_cast<std::size_t>(e->LanguageNo));
    }
  }
  for (std::int32_t n = 0; n <= kMaxLanguageNo; ++n) {
    if (!used.test(static_cast<std::size_t>(n))) return n;
  }
  return -1;
}

bool TVerbonix::AddLanguage(const std::string& name, std::unique_ptr<TIcon> icon) {
  if (name.empty() || IsBaseLanguageName(name)) return false;
  if (FindLanguage(name, true) != -1) return false;
  // Out of memory, the table stays as it was and the caller learns it from the answer.
  try {
    auto entry = NewEntry(ekLanguage);
    entry->LanguageNo = NextLanguageNo();
    entry->SetIcon(std::move(icon));
    entry->Value = name;
    FLanguages.Add(std::move(entry));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TVerbonix::RemoveLanguageEntries(const std::string& name) {
  if (name.empty() || IsBaseLanguageName(name)) return false;
  const std::int32_t number = FindLanguage(name, true);
  if (number == -1) return false;
  const int count = FLanguages.Count();
  for (int i = 1; i < count; ++i) {
    const TLanguageEntry* e = FLanguages.Items(i);
    if (e != nullptr && e->Kind == ekProperty && e->LanguageNo == number) RemoveEntry(i);
  }
  return true;
}

std::int32_t TVerbonix::FindLanguage(const std::string& name, bool wantNumber) const {
  if (wantNumber && Parent() == nullptr) return -1;
  for (int i = 0; i < FLanguages.Count(); ++i) {
    const TLanguageEntry* e = FLanguages.Items(i);
    if (e != nullptr && e->Kind == ekLanguage && e->Value == name)
      return wantNumber ? e->LanguageNo : i;
  }
  return -1;
}

}  // namespace qp
