#include "platform/ui/forms/FormParser.h"

#include <gtest/gtest.h>

#include <string>

namespace qp {
namespace {

// The value of "object A: T  P = <value>  end".
TFormValue ValueOf(const std::string& value) {
  const TFormObject tree = ParseFormDescription("object A: T\n  P = " + value + "\nend\n", "t");
  EXPECT_EQ(tree.Properties.size(), 1u);
  return tree.Properties.front().Value;
}

TEST(FormParser, ReadsObjectsPropertiesAndChildrenWithTheirPlaces) {
  const TFormObject tree = ParseFormDescription(
      "object MainForm: TMainForm\n"
      "  Font.Height = -11\n"
      "  object TTrayIcon\n"
      "  end\n"
      "  OBJECT Menu1 : TMenu END\n"
      "end",
      "t");
  EXPECT_EQ(tree.Name, "MainForm");
  EXPECT_EQ(tree.ClassName, "TMainForm");
  EXPECT_EQ(tree.ClassPosition.Column, 18);
  ASSERT_EQ(tree.Properties.size(), 1u);
  EXPECT_EQ(tree.Properties[0].Path, (std::vector<std::string>{"Font", "Height"}));
  EXPECT_EQ(tree.Properties[0].Position.Line, 2);
  EXPECT_EQ(tree.Properties[0].Position.Column, 3);
  ASSERT_EQ(tree.Children.size(), 2u);
  EXPECT_EQ(tree.Children[0].Name, "");
  EXPECT_EQ(tree.Children[0].ClassName, "TTrayIcon");
  EXPECT_EQ(tree.Children[1].Name, "Menu1");
  EXPECT_EQ(tree.Children[1].Position.Line, 5);
}

TEST(FormParser, ReadsScalarValues) {
  const struct {
    std::string Text;
    TFormValueKind Kind;
    std::int32_t Integer;
    double Float;
    std::string String;
  } cases[] = {
      {"193", TFormValueKind::Integer, 193, 0, ""},
      {"-11", TFormValueKind::Integer, -11, 0, ""},
      {"-2147483648", TFormValueKind::Integer, INT32_MIN, 0, ""},
      {"$FF", TFormValueKind::Integer, 255, 0, ""},
      {"$80000000", TFormValueKind::Integer, INT32_MIN, 0, ""},
      {"-$10", TFormValueKind::Integer, -16, 0, ""},
      {"1.5", TFormValueKind::Float, 0, 1.5, ""},
      {"-0.25", TFormValueKind::Float, 0, -0.25, ""},
      {"2.5e3", TFormValueKind::Float, 0, 2500, ""},
      {"1E-2", TFormValueKind::Float, 0, 0.01, ""},
      {"1e+20", TFormValueKind::Float, 0, 1e20, ""},
      {"clBtnFace", TFormValueKind::Identifier, 0, 0, "clBtnFace"},
      {"''", TFormValueKind::String, 0, 0, ""},
      {"'It''s'", TFormValueKind::String, 0, 0, "It's"},
      {"'Schlie'#223'en'", TFormValueKind::String, 0, 0,
       "Schlie\xDF"
       "en"},
      {"#13#10", TFormValueKind::String, 0, 0, "\r\n"},
      {"#0", TFormValueKind::String, 0, 0, std::string(1, '\0')},
      {"'ab' +\n    'cd' + #33", TFormValueKind::String, 0, 0, "abcd!"},
      {"{00FF 10\n   a0}", TFormValueKind::Binary, 0, 0, std::string("\x00\xFF\x10\xA0", 4)},
      {"{}", TFormValueKind::Binary, 0, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const TFormValue value = ValueOf(c.Text);
    ASSERT_EQ(value.Kind, c.Kind);
    EXPECT_EQ(value.Integer, c.Integer);
    EXPECT_EQ(value.Float, c.Float);
    EXPECT_EQ(value.Text, c.String);
  }
}

TEST(FormParser, ReadsSetsListsAndCollections) {
  EXPECT_EQ(ValueOf("[akLeft, akTop]").Elements, (std::vector<std::string>{"akLeft", "akTop"}));
  EXPECT_TRUE(ValueOf("[]").Elements.empty());
  EXPECT_EQ(ValueOf("('Deutsch' 'Eng' + 'lisch'\n #65)").Elements,
            (std::vector<std::string>{"Deutsch", "Englisch", "A"}));
  EXPECT_EQ(ValueOf("()").Kind, TFormValueKind::List);

  const TFormValue columns =
      ValueOf("<item Caption = 'Name' end ITEM Caption = 'Size' Width = 3 end item end>");
  ASSERT_EQ(columns.Kind, TFormValueKind::Collection);
  ASSERT_EQ(columns.Items.size(), 3u);
  EXPECT_EQ(columns.Items[1].Properties.size(), 2u);
  EXPECT_EQ(columns.Items[1].Properties[0].Value.Text, "Size");
  EXPECT_TRUE(columns.Items[2].Properties.empty());
  EXPECT_TRUE(ValueOf("<>").Items.empty());
}

TEST(FormParser, NamesTheLineAndColumnOfEveryError) {
  const struct {
    std::string Text;
    int Line;
    int Column;
    std::string Message;
  } cases[] = {
      {"", 1, 1, "Unerwartetes Ende der Beschreibung"},
      {"objekt A: T\nend", 1, 1, "object erwartet"},
      {"object A: T\n  P = 1\n", 3, 1, "Unerwartetes Ende der Beschreibung"},
      {"object A: T\n  object B: T\n  end\n", 4, 1, "Unerwartetes Ende der Beschreibung"},
      {"object A: T\nend\nend", 3, 1, "Text nach dem Ende der Beschreibung"},
      {"object A: T\n  object B: T end\n  P = 1\nend", 3, 3, "end erwartet"},
      {"object A: T\n  P 1\nend", 2, 5, "'=' erwartet"},
      {"object A: T\n  P = ]\nend", 2, 7, "Wert erwartet"},
      {"object A: T\n  P. = 1\nend", 2, 6, "Bezeichner erwartet"},
      {"object A: T\n  P = 'abc\nend", 2, 7, "Unbeendete Zeichenkette"},
      {"object A: T\n  P = #256\nend", 2, 7, "Ung\xFCltiger Zeichencode"},
      {"object A: T\n  P = #x\nend", 2, 7, "Zeichencode erwartet"},
      {"object A: T\n  P = 'a' +\nend", 3, 1, "Zeichenkette erwartet"},
      {"object A: T\n  P = 12ab\nend", 2, 7, "Ung\xFCltige Zahl"},
      {"object A: T\n  P = 2147483648\nend", 2, 7, "Ung\xFCltige Zahl"},
      {"object A: T\n  P = $123456789\nend", 2, 7, "Ung\xFCltige Zahl"},
      {"object A: T\n  P = 1e999\nend", 2, 7, "Ung\xFCltige Zahl 1e999"},
      {"object A: T\n  P = {0F F}\nend", 2, 11, "Ung\xFCltige Bin\xE4rdaten"},
      {"object A: T\n  P = {0G}\nend", 2, 8, "Ung\xFCltige Bin\xE4rdaten"},
      {"object A: T\n  P = {00\n", 2, 7, "Unbeendete Bin\xE4rdaten"},
      {"object A: T\n  P = [a b]\nend", 2, 10, "']' erwartet"},
      {"object A: T\n  P = (1)\nend", 2, 8, "Zeichenkette erwartet"},
      {"object A: T\n  P = <Caption = 1>\nend", 2, 8, "item erwartet"},
      {"object A: T\n  P = <item\n", 3, 1, "Unerwartetes Ende der Beschreibung"},
      {"object A: T\n  P = ;\nend", 2, 7, "Ung\xFCltiges Zeichen #59"},
      {"object A: T\n\x01", 2, 1, "Ung\xFCltiges Zeichen #1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    try {
      ParseFormDescription(c.Text, "Main.qpf");
      ADD_FAILURE() << "no error";
    } catch (const EFormError& error) {
      EXPECT_EQ(error.Description(), "Main.qpf");
      EXPECT_EQ(error.Line(), c.Line);
      EXPECT_EQ(error.Column(), c.Column);
      EXPECT_EQ(error.what(), "Main.qpf(" + std::to_string(c.Line) + "," +
                                  std::to_string(c.Column) + "): " + c.Message);
    }
  }
}

// n objects nested in each other, or a property with collections nested n deep.
std::string NestedObjects(int n) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text = "object T " + text + "end ";
  return text;
}

std::string NestedCollections(int n) {
  std::string value = "1";
  for (int i = 0; i < n; ++i)
    value = "<item P = " + value + " end>";
  return "object T P = " + value + " end";
}

TEST(FormParser, CapsTheNesting) {
  EXPECT_NO_THROW(ParseFormDescription(NestedObjects(kMaxFormNesting), "t"));
  EXPECT_NO_THROW(ParseFormDescription(NestedCollections(kMaxFormNesting - 1), "t"));
  for (const std::string& text : {NestedObjects(kMaxFormNesting + 1),
                                  NestedCollections(kMaxFormNesting), NestedCollections(1000)}) {
    try {
      ParseFormDescription(text, "t");
      ADD_FAILURE() << "no error";
    } catch (const EFormError& error) {
      EXPECT_NE(std::string(error.what()).find("Verschachtelung zu tief"), std::string::npos);
    }
  }
}

TEST(FormParser, FindsTheRootClassFromTheHeaderAlone) {
  EXPECT_EQ(ParseRootClassName("object MainForm: TMainForm\n  Caption = 'x"), "TMainForm");
  EXPECT_EQ(ParseRootClassName("  object TAboutBox end"), "TAboutBox");
  EXPECT_EQ(ParseRootClassName("item A: B"), "");
  EXPECT_EQ(ParseRootClassName("object 'x'"), "");
  EXPECT_EQ(ParseRootClassName(""), "");
}

}  // namespace
}  // namespace qp
