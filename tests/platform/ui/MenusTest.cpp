#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/Menus.h"
#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/Menus.h"

namespace qp {
namespace {

class TClickLog : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TClickLog, TComponent>("TClickLog").Method("Clicked", &TClickLog::Clicked)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }
  void Clicked(TObject* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)->Caption()); }
  std::vector<std::string> clicked;
};

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override { HeadlessMenuService().Reset(); }

  TMenuItem* Item(const std::string& caption) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent(log, &TClickLog::Clicked);
    return item;
  }

  TComponent form{nullptr};
  TClickLog* log = new TClickLog(&form);
};

TEST_F(MenusTest, SubmenusKeepOrderApartFromOwnership) {
  TMenuItem* parent = Item("Sprache");
  TMenuItem* english = Item("Englisch");
  TMenuItem* german = Item("Deutsch");
  parent->Add(german);
  parent->Insert(0, english);
  EXPECT_EQ(parent->Count(), 2);
  EXPECT_EQ(parent->Items(0), english);
  EXPECT_EQ(german->MenuIndex(), 1);
  EXPECT_EQ(german->Parent(), parent);
  EXPECT_THROW(parent->Insert(0, german), EListError);
  EXPECT_THROW(parent->Insert(3, Item("x")), EListError);

  parent->Remove(english);
  EXPECT_EQ(parent->Count(), 1);
  EXPECT_EQ(english->Parent(), nullptr);
  EXPECT_EQ(english->Owner(), &form);
  delete german;
  EXPECT_EQ(parent->Count(), 0);
}

TEST_F(MenusTest, FormDescriptionsNestItemsInMenusAndItems) {
  auto* menu = new TPopupMenu(&form);
  TMenuItem* top = Item("Sprache");
  TMenuItem* sub = Item("Deutsch");
  top->SetParentComponent(menu);
  sub->SetParentComponent(top);
  EXPECT_EQ(menu->Items()->Items(0), top);
  EXPECT_EQ(top->GetParentComponent(), menu);
  EXPECT_EQ(sub->GetParentComponent(), top);
  std::vector<TComponent*> children;
  menu->GetChildren([&](TComponent* child) { children.push_back(child); }, &form);
  EXPECT_EQ(children, std::vector<TComponent*>{top});
}

TEST_F(MenusTest, PopupRunsTheChosenItemsClickAfterTheMenuCloses) {
  auto* menu = new TPopupMenu(&form);
  menu->Items()->Add(Item("Information"));
  menu->Items()->Add(Item("Beenden"));
  HeadlessMenuService().SetChooser([](const TMenuItem& root, TPoint) { return root.Items(1); });
  menu->Popup(10, 20);
  EXPECT_EQ(log->clicked, std::vector<std::string>{"Beenden"});
  ASSERT_EQ(HeadlessMenuService().Popups().size(), 1u);
  EXPECT_EQ(HeadlessMenuService().Popups()[0].At, (TPoint{10, 20}));

  HeadlessMenuService().SetChooser([](const TMenuItem&, TPoint) { return nullptr; });
  menu->Popup(0, 0);
  EXPECT_EQ(log->clicked.size(), 1u);
}

TEST_F(MenusTest, DestroyingAMenuLeavesItsItemsToTheirOwner) {
  auto* menu = new TMainMenu(&form);
  TMenuItem* item = Item("Datei");
  menu->Items()->Add(item);
  delete menu;
  EXPECT_EQ(item->Parent(), nullptr);
  EXPECT_EQ(item->GetParentComponent(), nullptr);
}

}  // namespace
}  // namespace qp
