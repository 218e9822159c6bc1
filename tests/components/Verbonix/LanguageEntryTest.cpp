#include "components/Verbonix/LanguageEntry.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/core/Component.h"

namespace qp {
namespace {

TEST(LanguageEntryTest, HoldsEitherABorrowedComponentOrAnOwnedIcon) {
  TComponent component(nullptr);
  TLanguageEntry entry(ekLanguage);
  EXPECT_EQ(entry.Component(), nullptr);
  EXPECT_EQ(entry.Icon(), nullptr);

  entry.SetIcon(std::make_unique<TIcon>());
  EXPECT_NE(entry.Icon(), nullptr);
  EXPECT_EQ(entry.Component(), nullptr);

  // Replacing the icon frees it; the component outlives the entry.
  entry.SetComponent(&component);
  EXPECT_EQ(entry.Component(), &component);
  EXPECT_EQ(entry.Icon(), nullptr);
}

}  // namespace
}  // namespace qp
