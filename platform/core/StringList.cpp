#include "platform/core/StringList.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/system/Strings.h"

namespace qp {
namespace {

[[noreturn]] void ThrowSortedListError() {
  throw EListError("Operation bei sortierten Listen nicht zul\xE4ssig");
}

}  // namespace

const TClass& TStrings::ClassInfo() {
  static const TClass info{Describe<TStrings, TPersistent>("TStrings")};
  return info;
}

void TStrings::SetString(int index, const std::string& text) {
  TObject* object = Objects(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, text, object);
  EndUpdate();
}

int TStrings::AddObject(const std::string& text, TObject* object) {
  const int index = Count();
  InsertObject(index, text, object);
  return index;
}

void TStrings::AddStrings(const TStrings& lines) {
  BeginUpdate();
  for (int i = 0; i < lines.Count(); ++i)
    AddObject(lines.Strings(i), lines.Objects(i));
  EndUpdate();
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (AnsiSameText(Strings(i), text)) return i;
  }
  return -1;
}

int TStrings::IndexOfExact(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i) == text) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (Objects(i) == object) return i;
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i)
    text += Strings(i) + "\r\n";
  return text;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    Add(std::string(text.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  EndUpdate();
}

void TStrings::Assign(const TPersistent& source) {
  const auto* lines = dynamic_cast<const TStrings*>(&source);
  if (lines == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (lines == this) return;
  BeginUpdate();
  Clear();
  AddStrings(*lines);
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (--updateCount_ == 0) SetUpdateState(false);
}

const TClass& TStringList::ClassInfo() {
  static const TClass info{Describe<TStringList, TStrings>("TStringList")};
  return info;
}

const TStringList::Line& TStringList::At(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return lines_[static_cast<std::size_t>(index)];
}

std::string TStringList::Strings(int index) const {
  return At(index).Text;
}

TObject* TStringList::Objects(int index) const {
  return At(index).Object;
}

void TStringList::SetObject(int index, TObject* object) {
  At(index);
  lines_[static_cast<std::size_t>(index)].Object = object;
  Changed();
}

void TStringList::SetString(int index, const std::string& text) {
  if (sorted_) ThrowSortedListError();
  At(index);
  lines_[static_cast<std::size_t>(index)].Text = text;
  Changed();
}

void TStringList::InsertObject(int index, const std::string& text, TObject* object) {
  if (sorted_) ThrowSortedListError();
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  lines_.insert(lines_.begin() + index, Line{text, object});
  Changed();
}

int TStringList::AddObject(const std::string& text, TObject* object) {
  int index = Count();
  if (sorted_) Find(text, index);
  lines_.insert(lines_.begin() + index, Line{text, object});
  Changed();
  return index;
}

void TStringList::Delete(int index) {
  At(index);
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  if (!sorted_) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::Sort() {
  std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) {
    return AnsiCompareText(a.Text, b.Text) < 0;
  });
  Changed();
}

bool TStringList::Find(std::string_view text, int& index) const {
  auto first = std::lower_bound(
      lines_.begin(), lines_.end(), text,
      [](const Line& line, std::string_view key) { return AnsiCompareText(line.Text, key) < 0; });
  index = static_cast<int>(first - lines_.begin());
  return first != lines_.end() && AnsiCompareText(first->Text, text) == 0;
}

void TStringList::SetUpdateState(bool updating) {
  if (!updating) Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

}  // namespace qp
