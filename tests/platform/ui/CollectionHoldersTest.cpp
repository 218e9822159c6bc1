#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Rtti.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/HeaderControl.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StandardControls.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/forms/FormWriter.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

struct Holder {
  std::string Class;
  std::string Property;
  std::string Collection;
  std::string Item;
  std::int32_t Width;
};

const Holder kHolders[] = {
    {"TListView", "Columns", "TListColumns", "TListColumn", 50},
    {"THeaderControl", "Sections", "THeaderSections", "THeaderSection", 50},
    {"TStatusBar", "Panels", "TStatusPanels", "TStatusPanel", 50},
    {"TDBGrid", "Columns", "TDBGridColumns", "TColumn", 64},
};

// Where the language engine puts an item's text: on the object in the item's Title, if it has
// one, in Caption, or in Text where there is no Caption.
std::pair<TObject*, const TPropInfo*> TextOf(TObject& item) {
  TObject* target = &item;
  if (const TPropInfo* title = GetPropInfo(item, "Title")) target = GetObjectProp(item, *title);
  const TPropInfo* text = GetPropInfo(*target, "Caption");
  return {target, text != nullptr ? text : GetPropInfo(*target, "Text")};
}

class CollectionHoldersTest : public RegisteredControlTest {};

TEST_F(CollectionHoldersTest, ClassNamesAndItemTextAsTheLanguageEngineFindsThem) {
  for (const Holder& h : kHolders) {
    SCOPED_TRACE(h.Class);
    const std::unique_ptr<TObject> holder = Create(h.Class);
    ASSERT_NE(holder, nullptr);
    const TPropInfo* property = GetPropInfo(*holder, h.Property);
    ASSERT_NE(property, nullptr);
    auto* collection = dynamic_cast<TCollection*>(GetObjectProp(*holder, *property));
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(collection->ClassName(), h.Collection);

    TCollectionItem* item = collection->Add();
    EXPECT_EQ(item->ClassName(), h.Item);
    EXPECT_EQ(GetOrdProp(*item, *GetPropInfo(*item, "Width")), h.Width);
    const auto [target, text] = TextOf(*item);
    ASSERT_NE(text, nullptr);
    SetStrProp(*target, *text, "Sprache");
    EXPECT_EQ(GetStrProp(*target, *text), "Sprache");
  }
}

TEST_F(CollectionHoldersTest, AGridColumnsTitleIsItsOwnObject) {
  TDBGrid grid(nullptr);
  TColumn* column = grid.Columns()->Add();
  EXPECT_EQ(column->Title()->ClassName(), "TColumnTitle");
  EXPECT_EQ(GetObjectProp(*column, *GetPropInfo(*column, "Title")), column->Title());
  column->Title()->SetCaption("Name");

  TDBGrid copy(nullptr);
  copy.SetColumns(grid.Columns());
  ASSERT_EQ(copy.Columns()->Count(), 1);
  EXPECT_NE(copy.Columns()->Items(0)->Title(), column->Title());
  EXPECT_EQ(copy.Columns()->Items(0)->Title()->Caption(), "Name");

  TColumnTitle title;
  title.SetCaption("Wert");
  column->SetTitle(&title);
  column->SetTitle(nullptr);
  EXPECT_EQ(column->Title()->Caption(), "Wert");
  EXPECT_THROW(title.Assign(*grid.Columns()), EConvertError);
}

TEST_F(CollectionHoldersTest, FormDescriptionsKeepTheItems) {
  TWinControl host(nullptr);
  host.SetName("Host");
  auto* list = new TListView(&host);
  list->SetName("List");
  list->SetParent(&host);
  TListColumn* column = list->Columns()->Add();
  column->SetCaption("Sprache");
  column->SetWidth(120);
  list->Columns()->Add();
  auto* header = new THeaderControl(&host);
  header->SetName("Header");
  header->SetParent(&host);
  header->Sections()->Add()->SetText("Abschnitt");
  auto* status = new TStatusBar(&host);
  status->SetName("Status");
  status->SetParent(&host);
  status->Panels()->Add()->SetText("Bereit");
  auto* grid = new TDBGrid(&host);
  grid->SetName("Grid");
  grid->SetParent(&host);
  grid->Columns()->Add()->Title()->SetCaption("Name");

  const std::string description = WriteComponentDescription(host);
  EXPECT_NE(description.find("Title.Caption = 'Name'"), std::string::npos) << description;

  TWinControl copy(nullptr);
  ReadComponentDescription(copy, description, "Host.qpf");
  const auto* list2 = dynamic_cast<TListView*>(copy.FindComponent("List"));
  ASSERT_NE(list2, nullptr);
  ASSERT_EQ(list2->Columns()->Count(), 2);
  EXPECT_EQ(list2->Columns()->Items(0)->Caption(), "Sprache");
  EXPECT_EQ(list2->Columns()->Items(0)->Width(), 120);
  EXPECT_EQ(list2->Columns()->Items(1)->Width(), 50);
  EXPECT_EQ(
      dynamic_cast<THeaderControl&>(*copy.FindComponent("Header")).Sections()->Items(0)->Text(),
      "Abschnitt");
  EXPECT_EQ(dynamic_cast<TStatusBar&>(*copy.FindComponent("Status")).Panels()->Items(0)->Text(),
            "Bereit");
  EXPECT_EQ(
      dynamic_cast<TDBGrid&>(*copy.FindComponent("Grid")).Columns()->Items(0)->Title()->Caption(),
      "Name");
}

}  // namespace
}  // namespace qp
