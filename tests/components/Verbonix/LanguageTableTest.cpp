#include "components/Verbonix/LanguageTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"

namespace qp {
namespace {

TEST(LanguageTableTest, EntriesStayWhereTheyAreThroughGrowthFreeingAndPacking) {
  TLanguageTable table;
  std::vector<TLanguageEntry*> kept;
  for (int i = 0; i < 1000; ++i) {
    auto entry = std::make_unique<TLanguageEntry>(ekProperty);
    entry->Value = std::to_string(i);
    TLanguageEntry* address = entry.get();
    table.Add(std::move(entry));
    if (i % 3 == 0) kept.push_back(address);
  }
  for (int i = 0; i < table.Count(); ++i) {
    if (i % 3 != 0) table.Free(i);
  }
  EXPECT_EQ(table.Items(1), nullptr);

  table.Pack();

  ASSERT_EQ(table.Count(), static_cast<int>(kept.size()));
  for (int i = 0; i < table.Count(); ++i) {
    EXPECT_EQ(table.Items(i), kept[static_cast<std::size_t>(i)]);
    EXPECT_EQ(table.Items(i)->Value, std::to_string(3 * i));
  }
}

TEST(LanguageTableTest, PositionsOutOfRangeAreListErrors) {
  TLanguageTable table;
  table.Add(std::make_unique<TLanguageEntry>(ekLanguage));
  for (int index : {-1, 1}) {
    EXPECT_THROW(table.Items(index), EListError) << index;
    EXPECT_THROW(table.Free(index), EListError) << index;
  }
}

}  // namespace
}  // namespace qp
