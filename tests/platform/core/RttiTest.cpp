#include <gtest/gtest.h>

#include "platform/core/Describe.h"
#include "platform/core/Event.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Rtti.h"

namespace qp {
namespace {

enum class TShade { shLight, shMedium, shDark };
const TTypeInfo& TypeInfoFor(TShade*) {
  static const TTypeInfo type = MakeEnumType("TShade", {"shLight", "shMedium", "shDark"});
  return type;
}
using TShades = TSet<TShade>;
const TTypeInfo& TypeInfoFor(TShades*) {
  static const TTypeInfo type = MakeSetType("TShades", TypeInfoFor(static_cast<TShade*>(nullptr)));
  return type;
}

class TPen : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
  std::int32_t Width = 1;
  std::string Style = "solid";
  TNotifyEvent OnChange;
};

const TClass& TPen::ClassInfo() {
  static const TClass info{Describe<TPen, TPersistent>("TPen")
                               .Property("Width", &TPen::Width)
                               .Property("Style", &TPen::Style)
                               .Property("OnChange", &TPen::OnChange)};
  return info;
}

// One property of every kind, declared out of name order.
class TSample : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  TPen* Pen() const { return pen_.get(); }
  void SetPen(TPen* pen) { pen_->Width = pen->Width; }

  std::int32_t Count = 0;
  char Letter = 'a';
  TShade Shade = TShade::shLight;
  double Ratio = 0.5;
  std::string Caption;
  std::string Short;
  TShades Shades;
  TNotifyEvent OnClick;
  std::string Clicked;

  void Button1Click(TObject*) { Clicked += "1"; }
  void Button2Click(TObject*) { Clicked += "2"; }
  void Other(TObject*, int) {}

 private:
  bool visible_ = true;
  std::unique_ptr<TPen> pen_ = std::make_unique<TPen>();
};

const TClass& TSample::ClassInfo() {
  static const TClass info{Describe<TSample, TComponent>("TSample")
                               .Property("Visible", &TSample::Visible, &TSample::SetVisible)
                               .Property("Count", &TSample::Count)
                               .Default(0)
                               .Property("Letter", &TSample::Letter)
                               .Property("Shade", &TSample::Shade)
                               .Property("Ratio", &TSample::Ratio)
                               .Property("Caption", &TSample::Caption)
                               .Property("Short", &TSample::Short)
                               .ShortString(3)
                               .Property("Shades", &TSample::Shades)
                               .Property("Pen", &TSample::Pen, &TSample::SetPen)
                               .Property("OnClick", &TSample::OnClick)
                               .Method("Button1Click", &TSample::Button1Click)
                               .Method("Button2Click", &TSample::Button2Click)
                               .Method("Other", &TSample::Other)};
  return info;
}

// Redeclares a property of its ancestor.
class TDerived : public TSample {
 public:
  using TSample::TSample;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
  std::string Label;
};

const TClass& TDerived::ClassInfo() {
  static const TClass info{
      Describe<TDerived, TSample>("TDerived").Property("Caption", &TDerived::Label)};
  return info;
}

TEST(ClassInfo, NamesAndAncestry) {
  TDerived derived(nullptr);
  EXPECT_EQ(derived.ClassName(), "TDerived");
  EXPECT_EQ(derived.ClassType().ClassParent(), &TSample::ClassInfo());
  EXPECT_TRUE(derived.Is<TComponent>());
  EXPECT_TRUE(derived.Is<TObject>());
  EXPECT_FALSE(TSample(nullptr).Is<TDerived>());
  EXPECT_FALSE(derived.Is<TPen>());
}

TEST(ClassInfo, ConstructsComponentsByRegisteredName) {
  RegisterClass(TSample::ClassInfo());
  const TClass* type = FindClass("tsample");
  ASSERT_EQ(type, &TSample::ClassInfo());
  TComponent owner(nullptr);
  TObject* made = type->Construct(&owner);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->ClassName(), "TSample");
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
  EXPECT_FALSE(TPen::ClassInfo().CanConstruct());
}

TEST(PropertyKinds, EachTypeMapsToItsKindCode) {
  struct Case {
    const char* Name;
    TTypeKind Kind;
    const char* TypeName;
  };
  const Case cases[] = {
      {"Visible", TTypeKind::tkEnumeration, "Boolean"},
      {"Count", TTypeKind::tkInteger, "Integer"},
      {"Letter", TTypeKind::tkChar, "Char"},
      {"Shade", TTypeKind::tkEnumeration, "TShade"},
      {"Ratio", TTypeKind::tkFloat, "Extended"},
      {"Caption", TTypeKind::tkLString, "string"},
      {"Short", TTypeKind::tkString, "String[3]"},
      {"Shades", TTypeKind::tkSet, "TShades"},
      {"Pen", TTypeKind::tkClass, "TPen"},
      {"OnClick", TTypeKind::tkMethod, "TNotifyEvent"},
      {"Name", TTypeKind::tkLString, "string"},
  };
  for (const Case& c : cases) {
    const TPropInfo* property = TSample::ClassInfo().FindProperty(c.Name);
    ASSERT_NE(property, nullptr) << c.Name;
    EXPECT_EQ(property->Kind(), c.Kind) << c.Name;
    EXPECT_EQ(property->PropType().Name, c.TypeName) << c.Name;
  }
  EXPECT_EQ(static_cast<int>(TTypeKind::tkVariant), 12);
  EXPECT_EQ(TSample::ClassInfo().FindProperty("Short")->PropType().MaxLength, 3);
  EXPECT_EQ(TSample::ClassInfo().FindProperty("Pen")->PropType().ClassType, &TPen::ClassInfo());
  EXPECT_EQ(TSample::ClassInfo().FindProperty("Shades")->PropType().CompType->Name, "TShade");
}

TEST(PropertyLookup, IgnoresCaseSearchesAncestorsAndPrefersTheDescendant) {
  TDerived derived(nullptr);
  EXPECT_EQ(GetPropInfo(derived, "VISIBLE"), TSample::ClassInfo().FindProperty("Visible"));
  EXPECT_EQ(GetPropInfo(derived, "tag")->DeclaringClass().ClassName(), "TComponent");
  EXPECT_EQ(GetPropInfo(derived, "Caption")->DeclaringClass().ClassName(), "TDerived");
  EXPECT_EQ(GetPropInfo(derived, "NoSuchProperty"), nullptr);

  SetStrProp(derived, *GetPropInfo(derived, "Caption"), "new");
  EXPECT_EQ(derived.Label, "new");
  EXPECT_EQ(derived.Caption, "");
}

TEST(PropertyAccess, ReadsAndWritesEveryKind) {
  TSample sample(nullptr);
  const TClass& type = sample.ClassType();
  SetOrdProp(sample, *type.FindProperty("Visible"), 0);
  SetOrdProp(sample, *type.FindProperty("Count"), -7);
  SetOrdProp(sample, *type.FindProperty("Letter"), 'z');
  SetOrdProp(sample, *type.FindProperty("Shade"), 2);
  SetFloatProp(sample, *type.FindProperty("Ratio"), 1.25);
  SetStrProp(sample, *type.FindProperty("Caption"), "Hallo");
  SetOrdProp(sample, *type.FindProperty("Shades"), 5);

  EXPECT_FALSE(sample.Visible());
  EXPECT_EQ(GetOrdProp(sample, *type.FindProperty("Count")), -7);
  EXPECT_EQ(sample.Letter, 'z');
  EXPECT_EQ(sample.Shade, TShade::shDark);
  EXPECT_DOUBLE_EQ(GetFloatProp(sample, *type.FindProperty("Ratio")), 1.25);
  EXPECT_EQ(GetStrProp(sample, *type.FindProperty("Caption")), "Hallo");
  EXPECT_TRUE(sample.Shades.Contains(TShade::shLight));
  EXPECT_FALSE(sample.Shades.Contains(TShade::shMedium));
  EXPECT_TRUE(sample.Shades.Contains(TShade::shDark));
  EXPECT_EQ(GetObjectProp(sample, *type.FindProperty("Pen")), sample.Pen());
}

TEST(PropertyAccess, ShortStringsKeepTheirMaximumLength) {
  TSample sample(nullptr);
  SetStrProp(sample, *GetPropInfo(sample, "Short"), "abcdef");
  EXPECT_EQ(sample.Short, "abc");
}

TEST(PropertyAccess, InvalidUseRaisesPropertyErrors) {
  TSample sample(nullptr);
  TPen pen;
  const TClass& type = sample.ClassType();
  EXPECT_THROW(GetStrProp(sample, *type.FindProperty("Count")), EPropertyError);
  EXPECT_THROW(SetOrdProp(sample, *type.FindProperty("Caption"), 1), EPropertyError);
  EXPECT_THROW(SetOrdProp(sample, *type.FindProperty("Shade"), 3), EPropertyError);
  EXPECT_THROW(SetOrdProp(sample, *type.FindProperty("Visible"), -1), EPropertyError);
  EXPECT_THROW(GetOrdProp(pen, *type.FindProperty("Count")), EPropertyError);
  EXPECT_THROW(SetObjectProp(sample, *type.FindProperty("Pen"), &sample), EPropertyError);
  EXPECT_EQ(sample.Shade, TShade::shLight);
}

TEST(PropertyList, SortsByNameIgnoringCaseWithPrefixesFirst) {
  class TNames : public TObject {
   public:
    static const TClass& ClassInfo() {
      static const TClass info{Describe<TNames, TObject>("TNames")
                                   .Property("Size", &TNames::A)
                                   .Property("name", &TNames::A)
                                   .Property("Color", &TNames::A)
                                   .Property("OnChange", &TNames::E)
                                   .Property("Sizes", &TNames::A)
                                   .Property("Height", &TNames::A)
                                   .Property("Charset", &TNames::A)
                                   .Property("_Z", &TNames::A)};
      return info;
    }
    std::int32_t A = 0;
    TNotifyEvent E;
  };
  std::vector<std::string> names;
  for (const TPropInfo* property : TNames::ClassInfo().SortedProperties(tkProperties)) {
    names.push_back(property->Name());
  }
  // "_" (0x5F) sorts after the capital letters that every name is compared in.
  EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "name", "Size", "Sizes",
                                             "_Z"}));
  EXPECT_EQ(TNames::ClassInfo().SortedProperties(KindBit(TTypeKind::tkMethod)).size(), 1u);
}

TEST(PropertyList, DeclaredOrderPutsAncestorsFirst) {
  std::vector<std::string> names;
  for (const TPropInfo* property : TDerived::ClassInfo().DeclaredProperties()) {
    names.push_back(property->Name());
  }
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], "Name");
  EXPECT_EQ(names[1], "Tag");
  EXPECT_EQ(std::count(names.begin(), names.end(), "Caption"), 1);
  EXPECT_EQ(TDerived::ClassInfo().FindProperty("Count")->Default(), 0);
  EXPECT_FALSE(TDerived::ClassInfo().FindProperty("Ratio")->Default().has_value());
}

TEST(Enumerations, NamesAndOrdinalsIgnoringCase) {
  const TTypeInfo& shade = TypeInfoFor(static_cast<TShade*>(nullptr));
  EXPECT_EQ(shade.EnumValue("SHMEDIUM"), 1);
  EXPECT_EQ(shade.EnumValue("shNone"), -1);
  EXPECT_EQ(shade.EnumValue(""), -1);
  EXPECT_EQ(shade.EnumName(2), "shDark");
  EXPECT_EQ(shade.EnumName(3), "");
  EXPECT_EQ(shade.EnumName(-1), "");
  EXPECT_EQ(BooleanType().EnumValue("true"), 1);
}

TEST(Methods, FoundByNameIgnoringCaseAndBoundToEvents) {
  TSample sample(nullptr);
  const TMethodInfo* method = sample.ClassType().FindMethod("button2click");
  ASSERT_NE(method, nullptr);
  SetMethodProp(sample, *GetPropInfo(sample, "OnClick"), TMethod{&sample, method});
  sample.OnClick(&sample);
  EXPECT_EQ(sample.Clicked, "2");
  EXPECT_EQ(sample.OnClick.MethodName(), "Button2Click");
  EXPECT_EQ(GetMethodProp(sample, *GetPropInfo(sample, "OnClick")).Code, method);
  EXPECT_EQ(sample.ClassType().FindMethod("Missing"), nullptr);
}

TEST(Methods, EventsRefuseMethodsThatDoNotFit) {
  TSample sample(nullptr);
  TPen pen;
  const TPropInfo& onClick = *GetPropInfo(sample, "OnClick");
  const TMethodInfo* other = sample.ClassType().FindMethod("Other");
  EXPECT_THROW(SetMethodProp(sample, onClick, TMethod{&sample, other}), EPropertyError);
  const TMethodInfo* click = sample.ClassType().FindMethod("Button1Click");
  EXPECT_THROW(SetMethodProp(pen, *GetPropInfo(pen, "OnChange"), TMethod{&pen, click}),
               EPropertyError);
  EXPECT_FALSE(pen.OnChange);
}

}  // namespace
}  // namespace qp
