#include <gtest/gtest.h>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"

namespace qp {
namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list.Strings(i));
  return lines;
}

TEST(StringList, KeepsLinesWithTheirObjectsInAddedOrder) {
  TObject marker;
  TStringList list;
  EXPECT_FALSE(list.Sorted());
  list.Add("Englisch");
  list.AddObject("Deutsch", &marker);
  list.Insert(0,
              "Fran\xE7"
              "ais");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"Fran\xE7"
                                                   "ais",
                                                   "Englisch", "Deutsch"}));
  EXPECT_EQ(list.Objects(2), &marker);
  EXPECT_EQ(list.IndexOfObject(&marker), 2);
  list.SetString(2, "German");
  EXPECT_EQ(list.Objects(2), &marker);
  list.Delete(0);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"Englisch", "German"}));
  EXPECT_THROW(list.Strings(2), EListError);
  EXPECT_THROW(list.Insert(3, "x"), EListError);
}

TEST(StringList, LooksUpIgnoringCaseOrExactly) {
  TStringList list;
  list.Add("Deutsch");
  list.Add(
      "\xDC"
      "bersetzung");
  list.Add("deutsch");
  EXPECT_EQ(list.IndexOf("DEUTSCH"), 0);
  EXPECT_EQ(list.IndexOf("\xFC"
                         "BERSETZUNG"),
            1);
  EXPECT_EQ(list.IndexOfExact("deutsch"), 2);
  EXPECT_EQ(list.IndexOfExact("DEUTSCH"), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringList, SortedListsInsertInOrderAndRefuseEdits) {
  TStringList list;
  list.Add("b");
  list.Add("C");
  list.Add("a");
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b", "C"}));
  EXPECT_EQ(list.Add("B2"), 2);
  EXPECT_EQ(list.IndexOf("c"), 3);
  EXPECT_THROW(list.Insert(0, "z"), EListError);
  EXPECT_THROW(list.SetString(0, "z"), EListError);
}

TEST(StringList, TextSplitsAtEveryKindOfLineEnd) {
  TStringList list;
  list.SetText("one\r\ntwo\rthree\nfour");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  list.SetText("\r\n\r\n");
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"", ""}));
}

TEST(StringList, AssignCopiesLinesAndObjects) {
  TObject marker;
  TStringList source;
  source.AddObject("x", &marker);
  TStringList target;
  target.Add("old");
  target.Assign(source);
  EXPECT_EQ(Lines(target), (std::vector<std::string>{"x"}));
  EXPECT_EQ(target.Objects(0), &marker);
  target.Assign(target);
  EXPECT_EQ(target.Count(), 1);
  EXPECT_THROW(target.Assign(TCollection(TCollectionItem::ClassInfo())), EConvertError);
}

class TListener : public TObject {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TListener, TObject>("TListener").Method("Changed", &TListener::Changed)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }
  void Changed(TObject*) { ++changes; }
  int changes = 0;
};

TEST(StringList, AnnouncesChangesOnceAfterAnUpdate) {
  TListener listener;
  TStringList list;
  list.OnChange = TNotifyEvent(&listener, &TListener::Changed);
  list.Add("a");
  EXPECT_EQ(listener.changes, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(listener.changes, 2);
  EXPECT_TRUE(list.InheritsFrom(TStrings::ClassInfo()));
}

}  // namespace
}  // namespace qp
