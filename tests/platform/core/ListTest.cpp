#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/List.h"

namespace qp {
namespace {

TEST(List, HoldsSlotsThatMayBeNilAndPacksThem) {
  int a = 1, b = 2;
  TList list;
  list.Add(&a);
  list.Add(nullptr);
  list.Add(&b);
  list.Insert(0, nullptr);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOf(&b), 3);
  list.SetItem(1, nullptr);
  list.Pack();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.First(), &b);
  EXPECT_EQ(list.Remove(&b), 0);
  EXPECT_EQ(list.Remove(&b), -1);
}

TEST(List, IndexErrorsNameTheIndex) {
  TList list;
  list.Add(nullptr);
  try {
    list.Items(1);
    FAIL();
  } catch (const EListError& error) {
    EXPECT_STREQ(error.what(),
                 "Listenindex \xFC"
                 "berschreitet das Maximum (1)");
  }
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(2, nullptr), EListError);
  EXPECT_THROW(list.SetItem(1, nullptr), EListError);
  list.Insert(1, nullptr);
  EXPECT_EQ(list.Count(), 2);
}

}  // namespace
}  // namespace qp
