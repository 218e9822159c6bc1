#include "platform/ui/forms/FormReader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/ui/forms/FormTestClasses.h"

namespace qp::formtest {
namespace {

class FormReader : public ::testing::Test {
 protected:
  FormReader() { RegisterFormTestClasses(); }

  // The error of reading text onto root_.
  EFormError ErrorOf(const std::string& text) {
    try {
      ReadComponentDescription(root_, text, "Main.qpf");
    } catch (const EFormError& error) {
      return error;
    }
    ADD_FAILURE() << "no error";
    return EFormError("");
  }

  TTestRoot root_{nullptr};
};

TEST_F(FormReader, AssignsEveryKindOfValue) {
  ReadComponentDescription(root_, kSampleDescription, "Main.qpf");
  EXPECT_EQ(root_.Name(), "MainForm");
  EXPECT_EQ(root_.Caption,
            "Schlie\xDF"
            "en");
  EXPECT_EQ(root_.Left, 193);
  EXPECT_EQ(root_.Color, clWindow);
  EXPECT_EQ(root_.Ratio, 1.5);
  EXPECT_TRUE(root_.Visible);
  EXPECT_EQ(root_.Align, TAlign::alClient);
  EXPECT_EQ(root_.Anchors, (TAnchors{TAnchorKind::akLeft, TAnchorKind::akBottom}));
  EXPECT_EQ(root_.Letter, 'z');
  EXPECT_EQ(root_.Level, 255);
  EXPECT_EQ(root_.Font()->Name, "Arial");
  EXPECT_EQ(root_.Font()->Height, -13);
  EXPECT_EQ(root_.Font()->Color, clRed);
  EXPECT_EQ(root_.Items()->Text(), "Deutsch\r\nEnglisch\r\n");
  ASSERT_EQ(root_.Columns()->Count(), 2);
  const auto* name = static_cast<TTestColumn*>(root_.Columns()->Items(0));
  const auto* size = static_cast<TTestColumn*>(root_.Columns()->Items(1));
  EXPECT_EQ(name->Caption, "Name");
  EXPECT_EQ(name->Width, 64);
  EXPECT_EQ(size->Width, 80);
  EXPECT_EQ(root_.LanguagesData, std::string("\x05"
                                             "35317\x01\x00",
                                             8));
}

TEST_F(FormReader, CreatesNestedComponentsOwnedByTheRoot) {
  ReadComponentDescription(root_, kSampleDescription, "Main.qpf");
  ASSERT_EQ(root_.ComponentCount(), 5);
  auto* tray = dynamic_cast<TTestTray*>(root_.Components(0));
  auto* menu = dynamic_cast<TTestMenu*>(root_.Components(1));
  ASSERT_NE(tray, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(tray->Name(), "Tray1");
  EXPECT_EQ(tray->Icon()->Data, std::string("\0\0\1\0", 4));
  auto* open = dynamic_cast<TTestMenuItem*>(root_.FindComponent("Open1"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->Caption,
            "&\xD6"
            "ffnen");
  EXPECT_EQ(menu->Items(), (std::vector<TTestMenuItem*>{
                               open, dynamic_cast<TTestMenuItem*>(root_.FindComponent("Exit1"))}));
  EXPECT_EQ(open->Items(),
            std::vector<TTestMenuItem*>{dynamic_cast<TTestMenuItem*>(root_.FindComponent("Sub1"))});
  EXPECT_EQ(open->GetParentComponent(), menu);
}

TEST_F(FormReader, BindsReferencesAndEventsAfterTheWholeForm) {
  ReadComponentDescription(root_, kSampleDescription, "Main.qpf");
  auto* tray = dynamic_cast<TTestTray*>(root_.FindComponent("Tray1"));
  auto* menu = dynamic_cast<TTestMenu*>(root_.FindComponent("PopupMenu1"));
  EXPECT_EQ(root_.PopupMenu, menu);
  EXPECT_EQ(tray->PopupMenu, menu);
  EXPECT_EQ(root_.OnCreate.MethodName(), "FormCreate");
  EXPECT_EQ(tray->OnClick.Method().Data, &root_);

  root_.Log.clear();
  tray->OnClick(tray);
  static_cast<TTestColumn*>(root_.Columns()->Items(0))->OnClick(nullptr);
  dynamic_cast<TTestMenuItem*>(root_.FindComponent("Open1"))->OnClick(nullptr);
  EXPECT_EQ(root_.Log, (std::vector<std::string>{"FormCreate", "ItemClick", "ItemClick"}));
  EXPECT_FALSE(static_cast<TTestColumn*>(root_.Columns()->Items(1))->OnClick);
}

TEST_F(FormReader, ReadsInLoadingStateAndCallsLoadedLastOnTheRoot) {
  ReadComponentDescription(root_, kSampleDescription, "Main.qpf");
  EXPECT_EQ(root_.Log, (std::vector<std::string>{
                           "Tray1 hint while reading",
                           "Tray1 loaded, menu PopupMenu1",
                           "PopupMenu1 loaded",
                           "Open1 loaded",
                           "Sub1 loaded",
                           "Exit1 loaded",
                           "MainForm loaded",
                       }));
  EXPECT_TRUE(root_.ComponentState().Empty());
  for (int i = 0; i < root_.ComponentCount(); ++i)
    EXPECT_TRUE(root_.Components(i)->ComponentState().Empty());
}

TEST_F(FormReader, HandsAnEmptyBinaryBlockOverAsAnEmptyStream) {
  ReadComponentDescription(root_,
                           "object F: TTestRoot\n"
                           "  object Tray1: TTestTray\n"
                           "    Icon.Data = {01}\n"
                           "    Icon.Data = {}\n"
                           "  end\n"
                           "end",
                           "t");
  EXPECT_EQ(dynamic_cast<TTestTray*>(root_.Components(0))->Icon()->Data, "");
}

TEST_F(FormReader, ReadsIntoTheRootOfADescendantClassAndKeepsANamelessRootsName) {
  root_.SetName("Kept");
  ReadComponentDescription(root_, "object TComponent Tag = 7 end", "t");
  EXPECT_EQ(root_.Name(), "Kept");
  EXPECT_EQ(root_.Tag(), 7);
}

TEST_F(FormReader, ACollectionReadAgainDropsTheEventsOfItsFormerItems) {
  ReadComponentDescription(root_,
                           "object F: TTestRoot\n"
                           "  Columns = <item OnClick = Missing end>\n"
                           "  Columns = <item Caption = 'A' end>\n"
                           "end",
                           "t");
  ASSERT_EQ(root_.Columns()->Count(), 1);
  EXPECT_EQ(static_cast<TTestColumn*>(root_.Columns()->Items(0))->Caption, "A");
}

TEST_F(FormReader, NamesTheLineAndColumnOfEveryError) {
  const struct {
    std::string Body;  // between "object F: TTestRoot" and "end"
    int Line;
    int Column;
    std::string Message;
  } cases[] = {
      {"  Nothing = 1", 2, 3, "Eigenschaft Nothing existiert nicht"},
      {"  Font.Nothing = 1", 2, 3, "Eigenschaft Font.Nothing existiert nicht"},
      {"  Left.Name = 1", 2, 3, "Eigenschaft Left ist kein Objekt"},
      {"  PopupMenu.Name = 'x'", 2, 3, "Eigenschaft PopupMenu enth\xE4lt kein Objekt"},
      {"  Left = 'x'", 2, 10, "Falsche Art von Wert f\xFCr Left"},
      {"  Left = 1.5", 2, 10, "Falsche Art von Wert f\xFCr Left"},
      {"  Left = clRed", 2, 10, "Falsche Art von Wert f\xFCr Left"},
      {"  Color = clNoSuchColor", 2, 11, "Ung\xFCltiger Wert f\xFCr Color"},
      {"  Level = 256", 2, 11, "Ung\xFCltiger Wert f\xFCr Level"},
      {"  Level = -1", 2, 11, "Ung\xFCltiger Wert f\xFCr Level"},
      {"  Letter = 'ab'", 2, 12, "Ung\xFCltiger Wert f\xFCr Letter"},
      {"  Visible = Yes", 2, 13, "Ung\xFCltiger Wert f\xFCr Visible"},
      {"  Visible = 1", 2, 13, "Falsche Art von Wert f\xFCr Visible"},
      {"  Anchors = [akLeft, akMiddle]", 2, 13, "Ung\xFCltiger Wert f\xFCr Anchors"},
      {"  Anchors = akLeft", 2, 13, "Falsche Art von Wert f\xFCr Anchors"},
      {"  Ratio = 'x'", 2, 11, "Falsche Art von Wert f\xFCr Ratio"},
      {"  Caption = 1", 2, 13, "Falsche Art von Wert f\xFCr Caption"},
      {"  OnCreate = 'FormCreate'", 2, 14, "Falsche Art von Wert f\xFCr OnCreate"},
      {"  Columns = 1", 2, 13, "Falsche Art von Wert f\xFCr Columns"},
      {"  Font = <>", 2, 10, "Falsche Art von Wert f\xFCr Font"},
      {"  Left = {00}", 2, 10, "Falsche Art von Wert f\xFCr Left"},
      {"  Items = ('a')", 2, 11, "Falsche Art von Wert f\xFCr Items"},
      {"  Font.Strings = ('a')", 2, 3, "Eigenschaft Font.Strings existiert nicht"},
      {"  Data = {00}", 2, 3, "Eigenschaft Data existiert nicht"},
      {"  Count = 1", 2, 3, "Eigenschaft Count ist schreibgesch\xFCtzt"},
      {"  Columns = <item Nothing = 1 end>", 2, 19, "Eigenschaft Nothing existiert nicht"},
      {"  OnCreate = NoSuchMethod", 2, 14, "Methode NoSuchMethod nicht gefunden"},
      {"  OnCreate = Resize", 2, 14, "Methode passt nicht zum Ereignis TNotifyEvent"},
      {"  PopupMenu = NoSuchMenu", 2, 15, "Komponente NoSuchMenu nicht gefunden"},
      {"  PopupMenu = F", 2, 15, "Ung\xFCltiger Eigenschaftswert"},
      {"  object X: TNoSuchClass end", 2, 13, "Klasse TNoSuchClass nicht gefunden"},
      {"  object X: TTestFont end", 2, 13, "TTestFont ist keine Komponentenklasse"},
      {"  object A: TTestTray end\n  object a: TTestTray end", 3, 3,
       "Eine Komponente mit der Bezeichnung a existiert bereits"},
  };
  RegisterClass(TTestFont::ClassInfo());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Body);
    TTestRoot root(nullptr);
    try {
      ReadComponentDescription(root, "object F: TTestRoot\n" + c.Body + "\nend", "Main.qpf");
      ADD_FAILURE() << "no error";
    } catch (const EFormError& error) {
      EXPECT_EQ(error.Line(), c.Line);
      EXPECT_EQ(error.Column(), c.Column);
      EXPECT_EQ(error.what(), "Main.qpf(" + std::to_string(c.Line) + "," +
                                  std::to_string(c.Column) + "): " + c.Message);
    }
  }
}

TEST_F(FormReader, RefusesADescriptionOfAnotherClass) {
  const EFormError error = ErrorOf("object F: TTestTray end");
  EXPECT_STREQ(error.what(),
               "Main.qpf(1,11): Die Beschreibung geh\xF6rt zu TTestTray, nicht zu TTestRoot");
}

TEST_F(FormReader, KeepsWhatWasCreatedBeforeAnErrorOwnedAndOutOfTheReadingState) {
  const EFormError error = ErrorOf(
      "object F: TTestRoot\n"
      "  object Tray1: TTestTray end\n"
      "  object Menu1: TTestMenu\n"
      "    object Item1: TTestMenuItem Caption = 1 end\n"
      "  end\n"
      "end");
  EXPECT_EQ(error.Line(), 4);
  ASSERT_EQ(root_.ComponentCount(), 3);
  EXPECT_EQ(root_.Components(2)->Name(), "Item1");
  EXPECT_FALSE(root_.ComponentState().Contains(csReading));
  EXPECT_FALSE(root_.Components(2)->ComponentState().Contains(csReading));
  EXPECT_TRUE(root_.Log.empty());
}

}  // namespace
}  // namespace qp::formtest
