#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/MemoryStream.h"
#include "platform/core/Rtti.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/HeaderControl.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabSet.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/forms/FormWriter.h"
#include "tests/platform/ui/ControlTest.h"
#include "tests/platform/ui/IconFiles.h"

namespace qp {
namespace {

struct Registered {
  std::string Name;
  // The standard control class of its window; none for a control that has no window.
  const char* WindowClass;
};

const Registered kRegistered[] = {
    {"TButton", "BUTTON"},   {"TComboBox", "COMBOBOX"}, {"TDBGrid", ""},
    {"TEdit", "EDIT"},       {"THeaderControl", ""},    {"TImage", nullptr},
    {"TLabel", nullptr},     {"TListBox", "LISTBOX"},   {"TListView", ""},
    {"TMainMenu", nullptr},  {"TMenuItem", nullptr},    {"TPanel", ""},
    {"TPopupMenu", nullptr}, {"TRadioGroup", ""},       {"TStatusBar", ""},
    {"TTabSet", ""},
};

class StandardControlsTest : public RegisteredControlTest {};

TEST_F(StandardControlsTest, EveryClassIsCreatedByNameWithTheWindowItNeeds) {
  for (const Registered& r : kRegistered) {
    SCOPED_TRACE(r.Name);
    const std::unique_ptr<TObject> object = Create(r.Name);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ClassName(), r.Name);
    auto* control = dynamic_cast<TWinControl*>(object.get());
    ASSERT_EQ(control != nullptr, r.WindowClass != nullptr);
    if (control == nullptr) continue;
    control->SetParent(&host_);
    EXPECT_EQ(WindowOf(*control).Params.WindowClass, r.WindowClass);
    control->SetParent(nullptr);
  }
}

TEST_F(StandardControlsTest, ANewObjectHasTheDefaultOfEveryPublishedProperty) {
  // A form description leaves out what is at its default, so a new object must have it.
  const auto expectDefaults = [](const TObject& object) {
    for (const TPropInfo* property : object.ClassType().DeclaredProperties()) {
      if (property->Default()) {
        EXPECT_EQ(GetOrdProp(object, *property), *property->Default())
            << object.ClassName() << "." << property->Name();
      }
    }
  };
  for (const char* name :
       {"TButton", "TDBGrid", "TEdit", "THeaderControl", "TImage", "TLabel", "TListBox",
        "TListView", "TPanel", "TRadioGroup", "TStatusBar", "TTabSet"}) {
    const std::unique_ptr<TObject> object = Create(name);
    ASSERT_NE(object, nullptr) << name;
    expectDefaults(*object);
  }
  TListView list(nullptr);
  THeaderControl header(nullptr);
  TStatusBar status(nullptr);
  TDBGrid grid(nullptr);
  for (TCollection* items : std::initializer_list<TCollection*>{list.Columns(), header.Sections(),
                                                                status.Panels(), grid.Columns()}) {
    expectDefaults(*items->Add());
  }
}

TEST_F(StandardControlsTest, AFormDescriptionKeepsWhatTheControlsHold) {
  TWinControl host(nullptr);
  host.SetName("Host");
  auto* panel = new TPanel(&host);
  panel->SetName("Panel1");
  panel->SetParent(&host);
  panel->SetBevelInner(bvRaised);
  panel->SetBevelOuter(bvLowered);
  panel->SetBevelWidth(2);
  auto* label = new TLabel(&host);
  label->SetName("Label1");
  label->SetParent(panel);
  label->SetCaption("Quietpane 1.0");
  label->SetAlignment(taRightJustify);
  auto* image = new TImage(&host);
  image->SetName("Image1");
  image->SetParent(panel);
  const std::vector<std::uint8_t> iconFile = IconFileOf({BitmapIconImage(32, 4)});
  TMemoryStream stream;
  stream.WriteBuffer(iconFile.data(), iconFile.size());
  stream.SetPosition(0);
  image->Picture()->LoadFromStream(stream);
  image->SetCenter(true);
  auto* button = new TButton(&host);
  button->SetName("Button1");
  button->SetParent(panel);
  button->SetCaption("OK");
  button->SetDefault(true);
  button->SetModalResult(1);
  auto* edit = new TEdit(&host);
  edit->SetName("Edit1");
  edit->SetParent(&host);
  edit->SetText("Text");
  auto* list = new TListBox(&host);
  list->SetName("ListBox1");
  list->SetParent(&host);
  list->Items()->SetText("b\na\n");
  list->SetSorted(true);
  auto* group = new TRadioGroup(&host);
  group->SetName("RadioGroup1");
  group->SetParent(&host);
  group->SetCaption("Sprache");
  group->SetColumns(2);
  group->Items()->SetText("Deutsch\nEnglisch\n");
  group->SetItemIndex(1);
  auto* tabs = new TTabSet(&host);
  tabs->SetName("TabSet1");
  tabs->SetParent(&host);
  tabs->Tabs()->SetText("Eins\nZwei\n");
  tabs->SetTabIndex(0);

  const std::string description = WriteComponentDescription(host);
  EXPECT_NE(description.find("Picture.Data = {"), std::string::npos) << description;

  TWinControl copy(nullptr);
  ReadComponentDescription(copy, description, "Host.qpf");
  const auto& panel2 = dynamic_cast<TPanel&>(*copy.FindComponent("Panel1"));
  EXPECT_EQ(panel2.BevelInner(), bvRaised);
  EXPECT_EQ(panel2.BevelOuter(), bvLowered);
  EXPECT_EQ(panel2.BevelWidth(), 2);
  EXPECT_EQ(panel2.ControlCount(), 3);
  const auto& label2 = dynamic_cast<TLabel&>(*copy.FindComponent("Label1"));
  EXPECT_EQ(label2.Parent(), &panel2);
  EXPECT_EQ(label2.Caption(), "Quietpane 1.0");
  EXPECT_EQ(label2.Alignment(), taRightJustify);
  const auto& image2 = dynamic_cast<TImage&>(*copy.FindComponent("Image1"));
  EXPECT_EQ(image2.Picture()->Width(), 32);
  EXPECT_TRUE(image2.Center());
  const auto& button2 = dynamic_cast<TButton&>(*copy.FindComponent("Button1"));
  EXPECT_EQ(button2.Caption(), "OK");
  EXPECT_TRUE(button2.Default());
  EXPECT_EQ(button2.ModalResult(), 1);
  EXPECT_EQ(dynamic_cast<TEdit&>(*copy.FindComponent("Edit1")).Text(), "Text");
  const auto& list2 = dynamic_cast<TListBox&>(*copy.FindComponent("ListBox1"));
  EXPECT_TRUE(list2.Sorted());
  EXPECT_EQ(list2.Items()->Text(), "a\r\nb\r\n");
  const auto& group2 = dynamic_cast<TRadioGroup&>(*copy.FindComponent("RadioGroup1"));
  EXPECT_EQ(group2.Caption(), "Sprache");
  EXPECT_EQ(group2.Columns(), 2);
  EXPECT_EQ(group2.Items()->Text(), "Deutsch\r\nEnglisch\r\n");
  EXPECT_EQ(group2.ItemIndex(), 1);
  const auto& tabs2 = dynamic_cast<TTabSet&>(*copy.FindComponent("TabSet1"));
  EXPECT_EQ(tabs2.Tabs()->Text(), "Eins\r\nZwei\r\n");
  EXPECT_EQ(tabs2.TabIndex(), 0);
}

}  // namespace
}  // namespace qp
