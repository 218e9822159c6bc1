#include <gtest/gtest.h>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {
namespace {

class TColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
  std::string Caption;
};

const TClass& TColumn::ClassInfo() {
  static const TClass info{
      Describe<TColumn, TCollectionItem>("TColumn").Property("Caption", &TColumn::Caption)};
  return info;
}

TEST(Collection, CreatesItemsOfItsClassAndKeepsTheirIndex) {
  TCollection columns(TColumn::ClassInfo());
  auto* first = static_cast<TColumn*>(columns.Add());
  auto* second = static_cast<TColumn*>(columns.Add());
  EXPECT_EQ(first->ClassName(), "TColumn");
  EXPECT_EQ(columns.Count(), 2);
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(second->Collection(), &columns);
  columns.Delete(0);
  EXPECT_EQ(second->Index(), 0);
  EXPECT_THROW(columns.Items(1), EListError);
  delete second;
  EXPECT_EQ(columns.Count(), 0);
}

TEST(Collection, AssignCopiesItemsPropertyByProperty) {
  TCollection source(TColumn::ClassInfo());
  static_cast<TColumn*>(source.Add())->Caption = "Name";
  static_cast<TColumn*>(source.Add())->Caption = "Size";
  TCollection target(TColumn::ClassInfo());
  target.Add();
  target.Assign(source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(static_cast<TColumn*>(target.Items(1))->Caption, "Size");

  TCollection plain(TCollectionItem::ClassInfo());
  EXPECT_THROW(plain.Assign(source), EConvertError);
}

}  // namespace
}  // namespace qp
