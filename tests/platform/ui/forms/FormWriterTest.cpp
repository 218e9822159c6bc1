#include "platform/ui/forms/FormWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/ui/forms/FormParser.h"
#include "platform/ui/forms/FormReader.h"
#include "tests/platform/ui/forms/FormTestClasses.h"

namespace qp::formtest {
namespace {

class FormWriter : public ::testing::Test {
 protected:
  FormWriter() { RegisterFormTestClasses(); }

  // Writes root_, reads the text onto a fresh root and checks that it writes the same again.
  std::string RoundTrip(TTestRoot& copy) {
    const std::string written = WriteComponentDescription(root_);
    ReadComponentDescription(copy, written, "written");
    EXPECT_EQ(WriteComponentDescription(copy), written);
    return written;
  }

  std::string MessageOf(TComponent& root) {
    try {
      WriteComponentDescription(root);
    } catch (const EFormError& error) {
      EXPECT_EQ(error.Line(), 0);
      return error.what();
    }
    ADD_FAILURE() << "no error";
    return {};
  }

  TTestRoot root_{nullptr};
};

TEST_F(FormWriter, WritesTheCanonicalFormOfWhatWasRead) {
  ReadComponentDescription(root_, kSampleDescription, "Sample.qpf");
  EXPECT_EQ(WriteComponentDescription(root_),
            "object MainForm: TTestRoot\n"
            "  Caption = 'Schlie'#223'en'\n"
            "  Left = 193\n"
            "  Color = clWindow\n"
            "  Ratio = 1.5\n"
            "  Visible = True\n"
            "  Align = alClient\n"
            "  Anchors = [akLeft, akBottom]\n"
            "  Letter = 'z'\n"
            "  Level = 255\n"
            "  Font.Name = 'Arial'\n"
            "  Font.Height = -13\n"
            "  Font.Color = clRed\n"
            "  Items.Strings = (\n"
            "    'Deutsch'\n"
            "    'Englisch')\n"
            "  Columns = <\n"
            "    item\n"
            "      Caption = 'Name'\n"
            "      OnClick = ItemClick\n"
            "    end\n"
            "    item\n"
            "      Caption = 'Size'\n"
            "      Width = 80\n"
            "    end>\n"
            "  PopupMenu = PopupMenu1\n"
            "  OnCreate = FormCreate\n"
            "  LanguagesData = {0533353331370100}\n"
            "  object Tray1: TTestTray\n"
            "    Hint = 'Quietpane'\n"
            "    Icon.Data = {00000100}\n"
            "    PopupMenu = PopupMenu1\n"
            "    OnClick = FormCreate\n"
            "  end\n"
            "  object PopupMenu1: TTestMenu\n"
            "    Caption = ''\n"
            "    object Open1: TTestMenuItem\n"
            "      Caption = '&'#214'ffnen'\n"
            "      OnClick = ItemClick\n"
            "      object Sub1: TTestMenuItem\n"
            "        Caption = ''\n"
            "      end\n"
            "    end\n"
            "    object Exit1: TTestMenuItem\n"
            "      Caption = 'Beenden'\n"
            "    end\n"
            "  end\n"
            "end\n");
}

TEST_F(FormWriter, LeavesOutDefaultsEmptyValuesAndReadOnlyProperties) {
  TTestRoot other(nullptr);
  auto* tray = new TTestTray(&root_);
  tray->OnClick = TNotifyEvent(&other, &TTestRoot::FormCreate);
  EXPECT_EQ(WriteComponentDescription(root_),
            "object TTestRoot\n"
            "  Caption = ''\n"
            "  Ratio = 1.0\n"
            "  Visible = False\n"
            "  Align = alNone\n"
            "  Anchors = []\n"
            "  Letter = 'a'\n"
            "  Level = 0\n"
            "  Font.Name = 'MS Sans Serif'\n"
            "  Font.Height = -11\n"
            "  object TTestTray\n"
            "    Hint = ''\n"
            "  end\n"
            "end\n");
}

TEST_F(FormWriter, ReadsBackEveryValueItWrites) {
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte)
    everyByte += static_cast<char>(byte);
  root_.SetName("Form1");
  root_.Caption = everyByte + "'" + everyByte;
  root_.SetTag(-1);
  root_.Color = 0x00123456;
  root_.Ratio = 0.1;
  root_.Letter = '\'';
  root_.Font()->Color = clBtnFace;
  root_.Items()->Add("");
  root_.Items()->Add(std::string(200, 'x'));
  root_.LanguagesData = everyByte;
  root_.PopupMenu = nullptr;
  auto* tray = new TTestTray(&root_);
  tray->SetName("Tray1");
  tray->Icon()->Data = std::string(33, '\0');
  tray->OnClick = TNotifyEvent(&root_, &TTestRoot::ItemClick);
  root_.Columns()->Add();

  TTestRoot copy(nullptr);
  const std::string written = RoundTrip(copy);
  EXPECT_NE(written.find("  Color = $00123456\n"), std::string::npos);
  EXPECT_NE(written.find("  Font.Color = clBtnFace\n"), std::string::npos);
  EXPECT_TRUE(std::all_of(written.begin(), written.end(),
                          [](char c) { return c == '\n' || (c >= 0x20 && c < 0x7F); }));
  EXPECT_EQ(copy.Caption, root_.Caption);
  EXPECT_EQ(copy.Tag(), -1);
  EXPECT_EQ(copy.Ratio, 0.1);
  EXPECT_EQ(copy.Letter, '\'');
  EXPECT_EQ(copy.Items()->Text(), root_.Items()->Text());
  EXPECT_EQ(copy.LanguagesData, everyByte);
  EXPECT_EQ(copy.Columns()->Count(), 1);
  auto* copiedTray = dynamic_cast<TTestTray*>(copy.FindComponent("Tray1"));
  ASSERT_NE(copiedTray, nullptr);
  EXPECT_EQ(copiedTray->Icon()->Data, tray->Icon()->Data);
  EXPECT_EQ(copiedTray->OnClick.MethodName(), "ItemClick");
}

TEST_F(FormWriter, WritesFloatsWithAPointWhateverTheLocale) {
  const struct {
    double Value;
    std::string Text;
  } cases[] = {
      {1, "1.0"},          {-0.5, "-0.5"}, {1e20, "1e+20"},
      {2.5e-7, "2.5e-07"}, {0, "0.0"},     {1.0 / 3, "0.3333333333333333"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    root_.Ratio = c.Value;
    TTestRoot copy(nullptr);
    EXPECT_NE(RoundTrip(copy).find("  Ratio = " + c.Text + "\n"), std::string::npos);
    EXPECT_EQ(copy.Ratio, c.Value);
  }
}

TEST_F(FormWriter, RefusesWhatCouldNotBeReadBack) {
  root_.Ratio = std::numeric_limits<double>::infinity();
  EXPECT_EQ(MessageOf(root_), "Ratio ist keine endliche Zahl");
  root_.Ratio = std::nan("");
  EXPECT_EQ(MessageOf(root_), "Ratio ist keine endliche Zahl");
  root_.Ratio = 1;

  root_.Align = static_cast<TAlign>(7);
  EXPECT_EQ(MessageOf(root_), "Wert 7 von Align hat keinen Namen");
  root_.Align = TAlign::alNone;

  TComponent elsewhere(nullptr);
  auto* foreign = new TTestMenu(&elsewhere);
  root_.PopupMenu = foreign;
  EXPECT_EQ(MessageOf(root_), "PopupMenu verweist auf eine Komponente ohne Namen");
  foreign->SetName("Foreign");
  EXPECT_EQ(MessageOf(root_), "PopupMenu verweist auf Foreign, das nicht gespeichert wird");
  root_.PopupMenu = nullptr;

  // A menu that is also an item of another menu would be written twice.
  auto* menu = new TTestMenu(&root_);
  menu->SetName("Menu1");
  auto* inner = new TTestMenu(&root_);
  inner->SetName("Menu2");
  inner->TTestMenuItem::SetParentComponent(menu);
  EXPECT_EQ(MessageOf(root_), "Menu2 wird doppelt gespeichert");
}

TEST_F(FormWriter, RefusesNestingTheReaderWouldRefuse) {
  auto* menu = new TTestMenu(&root_);
  TTestMenuItem* parent = menu;
  for (int depth = 3; depth <= kMaxFormNesting; ++depth) {
    auto* item = new TTestMenuItem(&root_);
    item->SetParentComponent(parent);
    parent = item;
  }
  TTestRoot copy(nullptr);
  RoundTrip(copy);
  (new TTestMenuItem(&root_))->SetParentComponent(parent);
  EXPECT_EQ(MessageOf(root_), "Verschachtelung zu tief zum Speichern");
}

}  // namespace
}  // namespace qp::formtest
