#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/Verbonix/Verbonix.h"
#include "tests/platform/ui/ControlTest.h"
#include "tests/platform/ui/TestIcons.h"

namespace qp {
namespace {

// An engine placed in a control, as on a form; the tests fill its table as stored tables do.
class EntryOperationsTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    engine.SetParent(&host_);
  }

  TLanguageEntry* Language(const std::string& name, std::int32_t number,
                           std::unique_ptr<TIcon> icon = nullptr) {
    auto entry = TVerbonix::NewEntry(ekLanguage);
    entry->LanguageNo = number;
    entry->Value = name;
    entry->SetIcon(std::move(icon));
    return Append(std::move(entry));
  }

  TLanguageEntry* Property(std::int32_t number, const std::string& component,
                           const std::string& property, const std::string& value,
                           TEntryKind kind = ekProperty) {
    auto entry = TVerbonix::NewEntry(kind);
    entry->LanguageNo = number;
    entry->ComponentName = component;
    entry->PropertyName = property;
    entry->Value = value;
    return Append(std::move(entry));
  }

  void FillSample() {
    Property(0, "Beenden1", "Caption", "Beenden");
    Language("Deutsch", 1, RedIcon(16));
    Property(1, "Beenden1", "Caption", "Ende");
    Property(1, "Gone1", "Caption", "Weg", ekUnresolved);
    Language("Nederlands", 2);
    Property(2, "Beenden1", "Caption", "Einde");
    Property(1, "Info1", "Caption", "Info");
  }

  TLanguageEntry* Append(std::unique_ptr<TLanguageEntry> entry) {
    TLanguageEntry* added = entry.get();
    engine.Languages().Add(std::move(entry));
    return added;
  }

  // One line per position: kind and number, then the name or component, property and value.
  std::vector<std::string> Table() const {
    std::vector<std::string> lines;
    const TLanguageTable& table = engine.Languages();
    for (int i = 0; i < table.Count(); ++i) {
      const TLanguageEntry* e = table.Items(i);
      if (e == nullptr) {
        lines.push_back("-");
        continue;
      }
      const std::string number = std::to_string(e->LanguageNo);
      switch (e->Kind) {
        case ekLanguage:
          lines.push_back("L" + number + " " + e->Value + (e->Icon() != nullptr ? " +icon" : ""));
          break;
        case ekProperty:
        case ekUnresolved:
          lines.push_back((e->Kind == ekProperty ? "P" : "U") + number + " " + e->ComponentName +
                          "." + e->PropertyName + "=" + e->Value);
          break;
      }
    }
    return lines;
  }

  TVerbonix engine{nullptr};
};

TEST_F(EntryOperationsTest, CopyEntryGivesALanguageAnIconOfItsOwn) {
  TLanguageEntry* language = Language("Deutsch", 1, RedIcon(16));
  auto copy = TVerbonix::CopyEntry(*language);
  ASSERT_NE(copy->Icon(), nullptr);
  EXPECT_NE(copy->Icon(), language->Icon());
  EXPECT_EQ(copy->Icon()->Width(), 16);
  EXPECT_EQ(copy->Kind, ekLanguage);
  EXPECT_EQ(copy->LanguageNo, 1);
  EXPECT_EQ(copy->Value, "Deutsch");

  TLanguageEntry* property = Property(1, "Beenden1", "Caption", "Ende");
  property->ComponentIndex = 3;
  property->SubIndex = 2;
  property->SetComponent(&host_);
  property->PropInfo = host_.ClassType().FindProperty("Name");
  copy = TVerbonix::CopyEntry(*property);
  EXPECT_EQ(copy->Component(), &host_);
  EXPECT_EQ(copy->PropInfo, property->PropInfo);
  EXPECT_EQ(copy->ComponentIndex, 3);
  EXPECT_EQ(copy->SubIndex, 2);
  EXPECT_EQ(engine.FindEntry(*copy), 2);
}

TEST_F(EntryOperationsTest, FindEntryComparesKindNumberNamesAndSubIndexExactly) {
  Property(1, "Beenden1", "Caption", "Ende")->ComponentIndex = 4;
  engine.RemoveEntry(1);
  Property(1, "Beenden1", "Caption", "Ende")->ComponentIndex = 4;
  Property(1, "Beenden1", "Caption", "Ende, zweite");
  Language("Deutsch", 1);

  struct Probe {
    const char* what;
    std::function<void(TLanguageEntry&)> change;
    int position;
  };
  const std::vector<Probe> probes{
      {"same fields", [](TLanguageEntry&) {}, 2},
      {"other value", [](TLanguageEntry& e) { e.Value = "Quit"; }, 2},
      {"other component index", [](TLanguageEntry& e) { e.ComponentIndex = 7; }, 2},
      {"other kind", [](TLanguageEntry& e) { e.Kind = ekUnresolved; }, -1},
      {"other language", [](TLanguageEntry& e) { e.LanguageNo = 0; }, -1},
      {"other component", [](TLanguageEntry& e) { e.ComponentName = "beenden1"; }, -1},
      {"other property case", [](TLanguageEntry& e) { e.PropertyName = "caption"; }, -1},
      {"other sub-index", [](TLanguageEntry& e) { e.SubIndex = 0; }, -1},
  };
  for (const Probe& probe : probes) {
    auto entry = TVerbonix::CopyEntry(*engine.Languages().Items(2));
    probe.change(*entry);
    EXPECT_EQ(engine.FindEntry(*entry), probe.position) << probe.what;
  }

  // Languages carry no component or property, so their numbers decide.
  auto language = TVerbonix::NewEntry(ekLanguage);
  language->LanguageNo = 1;
  language->Value = "Dutch";
  EXPECT_EQ(engine.FindEntry(*language), 4);
}

struct NextNumberCase {
  std::vector<std::int32_t> languages;
  std::vector<std::int32_t> properties;
  std::int32_t next;
};

TEST_F(EntryOperationsTest, NextLanguageNoIsTheSmallestNumberNoLanguageUses) {
  const std::vector<NextNumberCase> cases{
      {{}, {}, 1},
      {{1, 3}, {}, 2},
      {{2}, {}, 1},
      {{5, 4, 3, 2, 1}, {}, 6},
      {{1, 2}, {3}, 3},
      // Numbers out of range, as a stored table may hold, use none.
      {{1, -1, 40000}, {}, 2},
  };
  for (const NextNumberCase& c : cases) {
    engine.ClearEntries();
    for (std::int32_t number : c.languages)
      Language("L" + std::to_string(number), number);
    for (std::int32_t number : c.properties)
      Property(number, "Beenden1", "Caption", "");
    EXPECT_EQ(engine.NextLanguageNo(), c.next) << ::testing::PrintToString(c.languages);
  }
}

TEST_F(EntryOperationsTest, WhenEveryNumberIsUsedANewLanguageGetsNone) {
  for (std::int32_t number = 1; number <= TVerbonix::kMaxLanguageNo; ++number)
    Language("L" + std::to_string(number), number);
  EXPECT_EQ(engine.NextLanguageNo(), -1);

  EXPECT_TRUE(engine.AddLanguage("Klingon", nullptr));
  EXPECT_EQ(engine.FindLanguage("Klingon", true), -1);

  engine.RemoveEntry(engine.FindLanguage("L500", false));
  EXPECT_EQ(engine.NextLanguageNo(), 500);
}

TEST_F(EntryOperationsTest, RemoveEntryIgnoresTheBasePositionEmptyOnesAndThoseOutOfRange) {
  Language("Deutsch", 1);
  Property(1, "Beenden1", "Caption", "Ende");
  engine.RemoveEntry(2);
  const std::vector<std::string> before = Table();

  for (int position : {0, 2, -1, 3})
    engine.RemoveEntry(position);

  EXPECT_EQ(Table(), before);
}

TEST_F(EntryOperationsTest, ClearEntriesKeepsOnlyTheBaseLanguage) {
  TLanguageEntry* base = engine.Languages().Items(0);
  engine.ClearEntries();
  EXPECT_EQ(Table(), std::vector<std::string>{"L0 English"});

  FillSample();
  engine.RemoveEntry(5);

  engine.ClearEntries();

  EXPECT_EQ(Table(), std::vector<std::string>{"L0 English"});
  EXPECT_EQ(engine.Languages().Items(0), base);
}

TEST_F(EntryOperationsTest, AddLanguageRefusesEmptyBaseAndKnownNames) {
  Language("Deutsch", 1);
  const std::vector<std::string> before = Table();

  for (const char* name : {"", "English", "Deutsch"}) {
    EXPECT_FALSE(engine.AddLanguage(name, RedIcon(16))) << name;
    EXPECT_EQ(Table(), before) << name;
  }
}

TEST_F(EntryOperationsTest, AddLanguageTakesTheSmallestFreeNumberAndTheIcon) {
  Language("Deutsch", 1);
  Language("Svenska", 3);

  EXPECT_TRUE(engine.AddLanguage("deutsch", RedIcon(16)));
  EXPECT_TRUE(engine.AddLanguage("Nederlands", nullptr));

  EXPECT_EQ(Table(), (std::vector<std::string>{"L0 English", "L1 Deutsch", "L3 Svenska",
                                               "L2 deutsch +icon", "L4 Nederlands"}));
}

TEST_F(EntryOperationsTest, RemovingALanguageTakesItsPropertyEntriesButNotItsUnresolvedOnes) {
  struct Case {
    bool parented;
    std::vector<std::string> table;
  };
  // Torn down, the engine no longer knows language numbers, so the property entries stay.
  const std::vector<Case> cases{
      {true,
       {"L0 English", "P0 Beenden1.Caption=Beenden", "-", "-", "U1 Gone1.Caption=Weg",
        "L2 Nederlands", "P2 Beenden1.Caption=Einde", "-"}},
      {false,
       {"L0 English", "P0 Beenden1.Caption=Beenden", "-", "P1 Beenden1.Caption=Ende",
        "U1 Gone1.Caption=Weg", "L2 Nederlands", "P2 Beenden1.Caption=Einde",
        "P1 Info1.Caption=Info"}},
  };
  for (const Case& c : cases) {
    engine.ClearEntries();
    engine.SetParent(c.parented ? &host_ : nullptr);
    FillSample();

    engine.RemoveEntry(2);

    EXPECT_EQ(Table(), c.table) << c.parented;
  }
}

TEST_F(EntryOperationsTest, RemoveLanguageEntriesKeepsTheLanguageAndRefusesBaseAndUnknownNames) {
  const std::vector<std::string> untouched{"L0 English",
                                           "P0 Beenden1.Caption=Beenden",
                                           "L1 Deutsch +icon",
                                           "P1 Beenden1.Caption=Ende",
                                           "U1 Gone1.Caption=Weg",
                                           "L2 Nederlands",
                                           "P2 Beenden1.Caption=Einde",
                                           "P1 Info1.Caption=Info"};
  struct Case {
    std::string name;
    bool removed;
  };
  for (const Case& c : {Case{"", false}, Case{"English", false}, Case{"deutsch", false},
                        Case{"Klingon", false}, Case{"Deutsch", true}}) {
    engine.ClearEntries();
    FillSample();

    EXPECT_EQ(engine.RemoveLanguageEntries(c.name), c.removed) << c.name;

    std::vector<std::string> expected = untouched;
    if (c.removed) expected[3] = expected[7] = "-";
    EXPECT_EQ(Table(), expected) << c.name;
  }
}

TEST_F(EntryOperationsTest, WithoutAParentLanguageNumbersAreUnknown) {
  Language("Deutsch", 1);
  engine.SetParent(nullptr);

  EXPECT_EQ(engine.FindLanguage("Deutsch", false), 1);
  EXPECT_EQ(engine.FindLanguage("Deutsch", true), -1);
}

TEST_F(EntryOperationsTest, FindLanguageLooksOnlyAtLanguageEntries) {
  Property(1, "Beenden1", "Hint", "");
  Language("Deutsch", 1);
  Property(5, "Beenden1", "Caption", "Nederlands");
  Language("Nederlands", 5);

  struct Case {
    std::string name;
    bool wantNumber;
    std::int32_t answer;
  };
  for (const Case& c :
       {Case{"Nederlands", false, 4}, Case{"Nederlands", true, 5}, Case{"English", true, 0},
        Case{"", true, -1}, Case{"", false, -1}, Case{"deutsch", true, -1}}) {
    EXPECT_EQ(engine.FindLanguage(c.name, c.wantNumber), c.answer) << c.name << " " << c.wantNumber;
  }
}

}  // namespace
}  // namespace qp
