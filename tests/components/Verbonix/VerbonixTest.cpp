#include "components/Verbonix/Verbonix.h"

#include <gtest/gtest.h>

namespace qp {
namespace {

TEST(VerbonixTest, ANewEngineKnowsOnlyItsBaseLanguageEnglish) {
  TVerbonix engine(nullptr);

  ASSERT_EQ(engine.Languages().Count(), 1);
  const TLanguageEntry& base = *engine.Languages().Items(0);
  EXPECT_EQ(base.Kind, ekLanguage);
  EXPECT_EQ(base.LanguageNo, 0);
  EXPECT_EQ(base.Value, "English");
  EXPECT_EQ(base.ComponentName, "");
  EXPECT_EQ(base.PropertyName, "");
  EXPECT_EQ(base.ComponentIndex, -1);
  EXPECT_EQ(base.SubIndex, -1);
  EXPECT_EQ(base.Icon(), nullptr);
}

}  // namespace
}  // namespace qp
