#include "components/Verbonix/SortList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace qp {
namespace {

std::vector<std::string> Lines(const TSortList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list.Strings(i));
  return lines;
}

struct FindCase {
  std::vector<std::string> lines;
  std::string key;
  std::int32_t start;
  bool found;
  std::int32_t position;
};

class SortedFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(SortedFindTest, AnswersLineInsertionPointOrTag) {
  const FindCase& c = GetParam();
  TSortList list;
  std::int32_t tag = 10;
  for (const std::string& line : c.lines)
    SortedInsert(list, line, tag++);

  std::int32_t position = c.start;
  EXPECT_EQ(SortedFind(list, c.key, position), c.found);
  EXPECT_EQ(position, c.position);
}

// Tags are 10 for the first line inserted, 11 for the second.
INSTANTIATE_TEST_SUITE_P(
    Cases, SortedFindTest,
    ::testing::Values(
        FindCase{{}, "A", -1, false, 0}, FindCase{{}, "A", 3, false, 0},
        FindCase{{"A", "C"}, "0", -1, false, 0}, FindCase{{"A", "C"}, "B", -1, false, 1},
        FindCase{{"A", "C"}, "D", -1, false, 2}, FindCase{{"A", "C"}, "A", -1, true, 0},
        FindCase{{"A", "C"}, "C", 0, true, 11}, FindCase{{"C", "A"}, "C", 5, true, 10},
        FindCase{{"A", "C", "E", "G", "I"}, "H", -1, false, 4},
        FindCase{{"A", "C", "E", "G", "I"}, "E", -1, true, 2},
        // Letter case counts: no line matches, and "a" sorts after every capital.
        FindCase{{"A", "C"}, "a", -1, false, 2}));

TEST(SortedInsertTest, KeepsByteOrderWhateverTheOrderOfInsertion) {
  std::vector<std::string> keys{"B", "Z", "a", "b",
                                "\xFC"
                                "ber"};
  const std::vector<std::string> sorted = keys;
  do {
    TSortList list;
    for (const std::string& key : keys)
      SortedInsert(list, key, 0);
    EXPECT_EQ(Lines(list), sorted);
  } while (std::next_permutation(keys.begin(), keys.end()));
}

TEST(SortedInsertTest, KeepsEachTagWithItsKey) {
  TSortList list;
  SortedInsert(list, "1Beenden1Caption-1", 7);
  SortedInsert(list, "0Beenden1Caption-1", -3);
  SortedInsert(list, "1Beenden1Caption0", 42);

  for (const auto& [key, tag] : {std::pair<std::string, std::int32_t>{"1Beenden1Caption-1", 7},
                                 {"0Beenden1Caption-1", -3},
                                 {"1Beenden1Caption0", 42}}) {
    std::int32_t position = 0;
    EXPECT_TRUE(SortedFind(list, key, position)) << key;
    EXPECT_EQ(position, tag) << key;
  }
}

TEST(SortedInsertTest, PutsAnEqualKeyInFrontOfTheOneFound) {
  TSortList list;
  SortedInsert(list, "k", 1);
  SortedInsert(list, "k", 2);

  std::int32_t position = 0;
  EXPECT_TRUE(SortedFind(list, "k", position));
  EXPECT_EQ(position, 2);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"k", "k"}));
}

}  // namespace
}  // namespace qp
