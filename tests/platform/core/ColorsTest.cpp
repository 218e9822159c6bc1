#include <gtest/gtest.h>

#include "platform/core/Colors.h"

namespace qp {
namespace {

TEST(Colors, IdentifiersAndValues) {
  struct Case {
    const char* Ident;
    TColor Value;
  };
  const Case cases[] = {
      {"clBlack", 0x000000},          {"clRed", 0x0000FF},
      {"clWhite", 0xFFFFFF},          {"clScrollBar", SystemColor(0)},
      {"clBtnFace", SystemColor(15)}, {"clInfoBk", SystemColor(24)},
      {"clNone", 0x1FFFFFFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToIdent(c.Value), c.Ident);
    EXPECT_EQ(IdentToColor(c.Ident), c.Value);
  }
  EXPECT_EQ(IdentToColor("clbtnface"), static_cast<TColor>(0x8000000F));
  EXPECT_EQ(ColorToIdent(1), std::nullopt);
  EXPECT_EQ(ColorToIdent(SystemColor(25)), std::nullopt);
  EXPECT_EQ(IdentToColor(""), std::nullopt);
  EXPECT_EQ(IdentToColor("Red"), std::nullopt);
}

}  // namespace
}  // namespace qp
