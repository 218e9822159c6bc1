#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/core/Rtti.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Font.h"
#include "tests/platform/ui/ChangeCounter.h"

namespace qp {
namespace {

TEST(Font, StartsWithTheClassicDefaults) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_EQ(font.Charset(), 1);
  EXPECT_EQ(font.Pitch(), fpDefault);
  EXPECT_TRUE(font.Style().Empty());
}

TEST(Font, SizeIsTheHeightInPointsAt96PixelsPerInch) {
  struct Case {
    std::int32_t Height;
    std::int32_t Size;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::vector<Case> heights = {
      {-11, 8}, {-13, 10}, {-16, 12}, {-12, 9}, {-1, 1}, {0, 0}, {13, -10}, {kMin, 1610612736},
  };
  for (const Case& c : heights) {
    TFont font;
    font.SetHeight(c.Height);
    EXPECT_EQ(font.Size(), c.Size) << "height " << c.Height;
  }
  const std::vector<Case> sizes = {
      {-11, 8}, {-13, 10}, {-16, 12},    {-12, 9},     {-1, 1},
      {0, 0},   {13, -10}, {kMin, kMax}, {kMax, kMin},
  };
  for (const Case& c : sizes) {
    TFont font;
    font.SetSize(c.Size);
    EXPECT_EQ(font.Height(), c.Height) << "size " << c.Size;
  }
}

TEST(Font, ReportsEveryChangeOnce) {
  using Change = std::function<void(TFont&)>;
  const std::vector<std::pair<std::string, Change>> changes = {
      {"Charset", [](TFont& f) { f.SetCharset(0); }},
      {"Color", [](TFont& f) { f.SetColor(clRed); }},
      {"Height", [](TFont& f) { f.SetHeight(-13); }},
      {"Name", [](TFont& f) { f.SetName("Arial"); }},
      {"Pitch", [](TFont& f) { f.SetPitch(fpFixed); }},
      {"Size", [](TFont& f) { f.SetSize(10); }},
      {"Style",
       [](TFont& f) {
         f.SetStyle({fsBold, fsUnderline});
       }},
  };
  for (const auto& [name, change] : changes) {
    TFont font;
    TChangeCounter counter;
    font.OnChange = counter.Handler();
    change(font);
    EXPECT_EQ(counter.Senders, std::vector<TObject*>{&font}) << name;
    change(font);
    EXPECT_EQ(counter.Senders.size(), 1u) << name << " set again to the same value";
  }
}

TEST(Font, AssignCopiesTheDescriptionButNotTheListener) {
  TFont source;
  source.SetName("Courier New");
  source.SetHeight(-16);
  source.SetColor(clHighlightText);
  source.SetCharset(0);
  source.SetPitch(fpFixed);
  source.SetStyle({fsItalic, fsStrikeOut});
  TFont font;
  TChangeCounter counter;
  font.OnChange = counter.Handler();
  font.Assign(source);
  EXPECT_EQ(font.Data(), source.Data());
  EXPECT_EQ(counter.Senders, std::vector<TObject*>{&font});
  EXPECT_FALSE(source.OnChange);
  font.Assign(source);
  EXPECT_EQ(counter.Senders.size(), 1u);

  TBrush brush;
  EXPECT_THROW(font.Assign(brush), EConvertError);
}

TEST(Font, PublishesItsPropertiesInStoredOrder) {
  std::vector<std::string> names;
  for (const TPropInfo* property : TFont::ClassInfo().SortedProperties(tkProperties))
    names.push_back(property->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size",
                                             "Style"}));
}

TEST(Font, PropertiesWorkThroughTheirDescriptions) {
  TFont font;
  SetOrdProp(font, *GetPropInfo(font, "Style"), 0b1001);
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsStrikeOut}));
  SetOrdProp(font, *GetPropInfo(font, "size"), 12);
  EXPECT_EQ(GetOrdProp(font, *GetPropInfo(font, "Height")), -16);
  SetStrProp(font, *GetPropInfo(font, "Name"), "Arial");
  EXPECT_EQ(font.Name(), "Arial");

  const TPropInfo& pitch = *GetPropInfo(font, "Pitch");
  EXPECT_EQ(pitch.Kind(), TTypeKind::tkEnumeration);
  EXPECT_EQ(pitch.PropType().EnumName(2), "fpFixed");
  EXPECT_THROW(SetOrdProp(font, pitch, 3), EPropertyError);
  const TTypeInfo& style = GetPropInfo(font, "Style")->PropType();
  EXPECT_EQ(style.Name, "TFontStyles");
  EXPECT_EQ(style.CompType->EnumName(3), "fsStrikeOut");
}

TEST(Brush, FillsSolidWhiteUntilToldOtherwise) {
  TBrush brush;
  EXPECT_EQ(brush.Color(), clWhite);
  EXPECT_EQ(brush.Style(), bsSolid);
  TBrush copy;
  brush.SetColor(clHighlight);
  brush.SetStyle(bsClear);
  copy.Assign(brush);
  EXPECT_EQ(copy.Color(), clHighlight);
  EXPECT_EQ(copy.Style(), bsClear);
  EXPECT_EQ(GetPropInfo(copy, "Style")->PropType().EnumName(1), "bsClear");
}

}  // namespace
}  // namespace qp
