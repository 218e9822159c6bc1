#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/Vcombbox.h"
#include "components/Verbonix/LanguageEntry.h"
#include "components/Verbonix/LanguageTable.h"
#include "components/Verbonix/SortList.h"

namespace qp {

// The language engine that a form carries once: it keeps the texts of the form's component
// properties in every language in its table and lists the languages in its drop-down list.
class TVerbonix : public TVComboBox {
 public:
  // The language of a new engine: number 0, the one its form was designed in.
  static constexpr const char* kBaseLanguageName = "English";
  // Language numbers run from 0 to this.
  static constexpr std::int32_t kMaxLanguageNo = 32767;

  explicit TVerbonix(TComponent* owner);
  ~TVerbonix() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  // Position 0 always holds the base language. Other code appends entries and reads positions
  // here; removing goes through RemoveEntry and ClearEntries, which keep position 0 and take a
  // language's property entries along.
  TLanguageTable& Languages() { return FLanguages; }
  const TLanguageTable& Languages() const { return FLanguages; }

  // An entry of the given kind with no number, index, target or property info and empty texts;
  // it is not in the table yet.
  static std::unique_ptr<TLanguageEntry> NewEntry(TEntryKind kind);
  // An equal entry with texts of its own; a language's icon is copied too, so that each entry
  // owns one.
  static std::unique_ptr<TLanguageEntry> CopyEntry(const TLanguageEntry& entry);
  // The first position whose entry equals entry in kind, language number, component name,
  // property name and sub-index; -1 when there is none.
  int FindEntry(const TLanguageEntry& entry) const;
  // Frees the entry at position and leaves the position empty; a language takes its property
  // entries along. Position 0, empty positions and positions out of range are ignored.
  void RemoveEntry(int position);
  // Leaves the base language as the only entry.
  void ClearEntries();
  // The smallest number from 0 to kMaxLanguageNo that no language uses; -1 when all are used.
  std::int32_t NextLanguageNo() const;
  // Appends a language under the next free number, owning icon (which may be nil). Refuses an
  // empty name, the base language's name and a known name; the icon is freed then.
  bool AddLanguage(const std::string& name, std::unique_ptr<TIcon> icon);
  // Frees the property entries of the named language and leaves their positions empty; the
  // base language's and unresolved entries stay. False for an unknown name.
  bool RemoveLanguageEntries(const std::string& name);
  // The position (wantNumber false) or number (true) of the language of that name, or -1.
  // Numbers are known only while the engine has a parent control: not while it is torn down.
  std::int32_t FindLanguage(const std::string& name, bool wantNumber) const;

 private:
  bool IsBaseLanguageName(const std::string& name) const;
  // Frees the entry at a valid position. A language stays in place while its property entries
  // go, so that FindLanguage still finds it.
  void DisposeEntry(int position);

  TLanguageTable FLanguages;
};

}  // namespace qp
