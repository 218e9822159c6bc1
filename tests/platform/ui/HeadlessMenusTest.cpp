#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/Menus.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Messages.h"

namespace qp {
namespace {

using Shown = THeadlessMenuService::ShownItem;

class HeadlessMenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menus.Reset();
    HeadlessWindowing().Reset();
  }
  void TearDown() override {
    menus.Reset();
    HeadlessWindowing().Reset();
  }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(&popup);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  THeadlessMenuService& menus = HeadlessMenuService();
  TPopupMenu popup{nullptr};
};

// A tray menu: two languages to pick from, a separator, a submenu and the commands.
class PopupTest : public HeadlessMenusTest {
 protected:
  void SetUp() override {
    HeadlessMenusTest::SetUp();
    TMenuItem* root = popup.Items();
    deutsch = Add(root, "&Deutsch");
    deutsch->SetRadioItem(true);
    deutsch->SetChecked(true);
    english = Add(root, "&English");
    english->SetRadioItem(true);
    separator = Add(root, "-");
    extras = Add(root, "E&xtras");
    log = Add(extras, "Protokoll");
    hidden = Add(extras, "Versteckt");
    hidden->SetEnabled(false);
    help = Add(root, "&Hilfe");
    help->SetEnabled(false);
    quit = Add(root, "&Beenden");
    quit->SetDefault(true);
  }

  TMenuItem* Choose(TMenuItem* item) {
    menus.SetChooser([item](const TMenuItem&, TPoint) { return item; });
    return menus.TrackPopup(*popup.Items(), {1, 2}, 0);
  }

  TMenuItem* deutsch = nullptr;
  TMenuItem* english = nullptr;
  TMenuItem* separator = nullptr;
  TMenuItem* extras = nullptr;
  TMenuItem* log = nullptr;
  TMenuItem* hidden = nullptr;
  TMenuItem* help = nullptr;
  TMenuItem* quit = nullptr;
};

TEST_F(PopupTest, APopupIsRecordedAsShownAndClosesWithoutAChooser) {
  THeadlessWindowing& ws = HeadlessWindowing();
  const TWindowHandle owner = ws.CreateUtilityWindow(nullptr);
  ws.SetForeground(owner);
  EXPECT_EQ(menus.TrackPopup(*popup.Items(), {100, 200}, owner), nullptr);
  ASSERT_EQ(menus.Popups().size(), 1u);
  const auto& shown = menus.Popups()[0];
  EXPECT_EQ(shown.At, (TPoint{100, 200}));
  EXPECT_EQ(shown.Owner, owner);
  EXPECT_EQ(shown.Foreground, owner);
  // Caption, checked, radio, default, enabled, separator, submenu.
  const std::vector<Shown> expected{{"&Deutsch", true, true, false, true, false, {}},
                                    {"&English", false, true, false, true, false, {}},
                                    {"-", false, false, false, true, true, {}},
                                    {"E&xtras",
                                     false,
                                     false,
                                     false,
                                     true,
                                     false,
                                     {{"Protokoll", false, false, false, true, false, {}},
                                      {"Versteckt", false, false, false, false, false, {}}}},
                                    {"&Hilfe", false, false, false, false, false, {}},
                                    {"&Beenden", false, false, true, true, false, {}}};
  EXPECT_EQ(shown.Items, expected);
}

TEST_F(PopupTest, TheChooserSeesTheMenuAndItsPoint) {
  const TMenuItem* seenRoot = nullptr;
  TPoint seenAt;
  menus.SetChooser([&](const TMenuItem& root, TPoint at) {
    seenRoot = &root;
    seenAt = at;
    return root.Items(1);
  });
  EXPECT_EQ(menus.TrackPopup(*popup.Items(), {7, 8}, 0), english);
  EXPECT_EQ(seenRoot, popup.Items());
  EXPECT_EQ(seenAt, (TPoint{7, 8}));
}

TEST_F(PopupTest, OnlyWhatTheUserCouldClickIsChosen) {
  TPopupMenu other(nullptr);
  TMenuItem* foreign = Add(other.Items(), "Fremd");
  struct Case {
    const char* Name;
    TMenuItem* Choice;
    bool Chosen;
  };
  const Case cases[] = {{"an enabled item", quit, true},
                        {"an item of a submenu", log, true},
                        {"a separator", separator, false},
                        {"a submenu", extras, false},
                        {"a disabled item", help, false},
                        {"a disabled item of a submenu", hidden, false},
                        {"an item of another menu", foreign, false},
                        {"nothing", nullptr, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(Choose(c.Choice), c.Chosen ? c.Choice : nullptr) << c.Name;
  }
  extras->SetEnabled(false);
  EXPECT_EQ(Choose(log), nullptr) << "an item of a disabled submenu";
  EXPECT_EQ(menus.Popups().size(), std::size(cases) + 1);
}

class SystemMenuTest : public HeadlessMenusTest {
 protected:
  void SetUp() override {
    HeadlessMenusTest::SetUp();
    window = HeadlessWindowing().CreateUtilityWindow(nullptr);
    menu = menus.SystemMenu(window, false);
  }

  std::string Text(std::uint32_t item, std::uint32_t flags = MF_BYCOMMAND, int maxCount = 80) {
    return menus.MenuText(menu, item, flags, maxCount);
  }

  TWindowHandle window = 0;
  TMenuHandle menu = 0;
};

TEST_F(SystemMenuTest, HoldsTheStandardCommandsOfAGermanSystemMenu) {
  ASSERT_NE(menu, 0u);
  EXPECT_EQ(menus.SystemMenu(window, false), menu);
  EXPECT_NE(menus.SystemMenu(HeadlessWindowing().CreateUtilityWindow(nullptr), false), menu);
  EXPECT_EQ(menus.SystemMenu(9999, false), 0u);
  const std::vector<std::string> expected{"&Wiederherstellen",
                                          "&Verschieben",
                                          "&Gr\xF6\xDF"
                                          "e \xE4ndern",
                                          "Mi&nimieren",
                                          "Ma&ximieren",
                                          "",
                                          "&Schlie\xDF"
                                          "en\tAlt+F4",
                                          ""};
  for (std::uint32_t position = 0; position < expected.size(); ++position) {
    EXPECT_EQ(Text(position, MF_BYPOSITION), expected[position]) << position;
  }
  const std::uintptr_t commands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE};
  for (std::size_t index = 0; index < std::size(commands); ++index) {
    EXPECT_EQ(Text(static_cast<std::uint32_t>(commands[index])), expected[index]);
  }
  EXPECT_EQ(Text(SC_CLOSE), expected[6]);
}

TEST_F(SystemMenuTest, TextsAreCutToOneLessThanMaxCount) {
  struct Case {
    int MaxCount;
    const char* Text;
  };
  const Case cases[] = {{-1, ""},
                        {0, ""},
                        {1, ""},
                        {2, "&"},
                        {4, "&Ve"},
                        {12, "&Verschiebe"},
                        {13, "&Verschieben"},
                        {500, "&Verschieben"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Text(SC_MOVE, MF_BYCOMMAND, c.MaxCount), c.Text) << c.MaxCount;
  }
  EXPECT_EQ(Text(0xBAD), "");
  EXPECT_EQ(menus.MenuText(menu + 1, SC_MOVE, MF_BYCOMMAND, 80), "");
}

TEST_F(SystemMenuTest, ItemsGetNewCommandsAndTextsByCommandOrPosition) {
  constexpr std::uint32_t kAbout = 0x100;
  EXPECT_TRUE(menus.ModifyMenuText(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, kAbout, "&Info"));
  EXPECT_EQ(Text(kAbout), "&Info");
  EXPECT_EQ(Text(SC_CLOSE), "");
  EXPECT_TRUE(menus.ModifyMenuText(menu, 5, MF_BYPOSITION, SC_TASKLIST, "&Liste"));
  EXPECT_EQ(Text(SC_TASKLIST), "&Liste");
  EXPECT_EQ(Text(5, MF_BYPOSITION), "&Liste");

  EXPECT_FALSE(menus.ModifyMenuText(menu, SC_CLOSE, MF_BYCOMMAND, 1, "x"));
  EXPECT_FALSE(menus.ModifyMenuText(menu, 7, MF_BYPOSITION, 1, "x"));
  EXPECT_FALSE(menus.ModifyMenuText(0, SC_MOVE, MF_BYCOMMAND, 1, "x"));
  EXPECT_EQ(Text(7, MF_BYPOSITION), "");
}

TEST_F(SystemMenuTest, RevertingRestoresTheStandardTexts) {
  menus.ModifyMenuText(menu, SC_MOVE, MF_BYCOMMAND, SC_MOVE, "Bewegen");
  EXPECT_EQ(menus.SystemMenu(window, true), 0u);
  EXPECT_EQ(Text(SC_MOVE), "") << "the reverted menu is gone";
  menu = menus.SystemMenu(window, false);
  EXPECT_EQ(Text(SC_MOVE), "&Verschieben");
}

}  // namespace
}  // namespace qp
