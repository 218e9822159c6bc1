#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/backends/win32/PopupMenu.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ws/Menus.h"
#include "platform/ui/ws/Windowing.h"
#include "tests/win32/LoggedWindow.h"

#include <windows.h>

namespace qp {
namespace {

TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(parent->Owner());
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

class PopupMenuTest : public ::testing::Test {
 protected:
  PopupMenuTest() {
    TMenuItem* root = menu_.Items();
    open_ = AddItem(root,
                    "&\xD6"
                    "ffnen");
    open_->SetDefault(true);
    AddItem(root, "-");
    small_ = AddItem(root, "&Klein");
    small_->SetRadioItem(true);
    small_->SetChecked(true);
    large_ = AddItem(root, "&Gro\xDF");
    large_->SetRadioItem(true);
    more_ = AddItem(root, "&Mehr");
    info_ = AddItem(more_, "&Info");
    quit_ = AddItem(root, "&Beenden");
    quit_->SetEnabled(false);
  }

  // Tracks the menu for a utility window whose procedure acts once the menu waits for input.
  TMenuItem* TrackWhileIdle(const std::function<void(HWND menuWindow)>& act) {
    bool acted = false;
    TWindowHandle owner = 0;
    owner = Windowing().CreateUtilityWindow([&](TMessage& message) {
      if (message.Msg == WM_ENTERIDLE && message.WParam == MSGF_MENU && !acted) {
        acted = true;
        act(reinterpret_cast<HWND>(message.LParam));
      }
      ownerWoken_ = ownerWoken_ || message.Msg == WM_NULL;
      message.Result = Windowing().DefaultHandling(owner, message);
    });
    TMenuItem* chosen = MenuService().TrackPopup(*menu_.Items(), TPoint{40, 40}, owner);
    ownerWoken_ = false;
    Windowing().ProcessPendingMessages();
    Windowing().DestroyWindowHandle(owner);
    return chosen;
  }

  TPopupMenu menu_{nullptr};
  TMenuItem* open_;
  TMenuItem* small_;
  TMenuItem* large_;
  TMenuItem* more_;
  TMenuItem* info_;
  TMenuItem* quit_;
  // Whether the owner got WM_NULL after the menu had closed.
  bool ownerWoken_ = false;
};

struct TExpectedItem {
  UINT Type;
  UINT State;
  std::string Text;
  TMenuItem* Item;
};

void ExpectItems(const TWin32PopupMenu& popup, HMENU menu,
                 const std::vector<TExpectedItem>& expected) {
  ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
  for (std::size_t position = 0; position < expected.size(); ++position) {
    SCOPED_TRACE(position);
    char text[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    EXPECT_EQ(info.fType & (MFT_SEPARATOR | MFT_RADIOCHECK), expected[position].Type);
    EXPECT_EQ(info.fState & (MFS_CHECKED | MFS_GRAYED | MFS_DEFAULT), expected[position].State);
    EXPECT_EQ(text, expected[position].Text);
    EXPECT_EQ(popup.ItemOf(info.wID), expected[position].Item);
  }
}

TEST_F(PopupMenuTest, BuildsTheSystemMenuFromTheItemTree) {
  const TWin32PopupMenu popup(*menu_.Items());
  const auto menu = reinterpret_cast<HMENU>(popup.Handle());
  ExpectItems(popup, menu,
              {{0, MFS_DEFAULT,
                "&\xD6"
                "ffnen",
                open_},
               {MFT_SEPARATOR, 0, "", nullptr},
               {MFT_RADIOCHECK, MFS_CHECKED, "&Klein", small_},
               {MFT_RADIOCHECK, 0, "&Gro\xDF", large_},
               {0, 0, "&Mehr", more_},
               {0, MFS_GRAYED, "&Beenden", quit_}});
  const HMENU submenu = GetSubMenu(menu, 4);
  ASSERT_NE(submenu, nullptr);
  ExpectItems(popup, submenu, {{0, 0, "&Info", info_}});
  EXPECT_EQ(popup.ItemOf(GetMenuDefaultItem(menu, FALSE, 0)), open_);
  EXPECT_EQ(popup.ItemOf(0), nullptr);
  EXPECT_EQ(popup.ItemOf(1000), nullptr);
}

TEST_F(PopupMenuTest, TrackingAnswersTheItemChosenWithTheKeyboardAndWakesTheOwner) {
  TMenuItem* chosen = TrackWhileIdle([](HWND menuWindow) {
    for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) {
      PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
    }
  });
  EXPECT_EQ(chosen, large_);
  EXPECT_TRUE(ownerWoken_);
}

TEST_F(PopupMenuTest, TrackingAnswersNothingWhenTheMenuIsClosed) {
  EXPECT_EQ(TrackWhileIdle([](HWND) { EndMenu(); }), nullptr);
  EXPECT_TRUE(ownerWoken_);
}

VOID CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
}

TEST_F(PopupMenuTest, MenuWithoutOwnerGetsAHiddenOneForTheTimeItIsShown) {
  // The thread timer keeps ending the menu until it has closed.
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, CloseMenu);
  EXPECT_EQ(MenuService().TrackPopup(*menu_.Items(), TPoint{40, 40}, 0), nullptr);
  KillTimer(nullptr, timer);
}

TEST(SystemMenu, ItemsAreRenamedAndReadBackUntilTheStandardMenuIsRestored) {
  TCreateParams params;
  params.Caption = "Form";
  params.Style = WS_OVERLAPPEDWINDOW;
  const TLoggedWindow window(params);
  const TWindowHandle form = window.Handle();
  const TMenuHandle menu = MenuService().SystemMenu(form, false);
  ASSERT_NE(menu, 0u);
  const std::string standard = MenuService().MenuText(menu, SC_CLOSE, MF_BYCOMMAND, 64);
  EXPECT_FALSE(standard.empty());

  const std::string closeText =
      "&Schlie\xDF"
      "en\tAlt+F4";
  EXPECT_TRUE(
      MenuService().ModifyMenuText(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, closeText));
  EXPECT_EQ(MenuService().MenuText(menu, SC_CLOSE, MF_BYCOMMAND, 64), closeText);
  EXPECT_EQ(MenuService().MenuText(menu, SC_CLOSE, MF_BYCOMMAND, 5), "&Sch");
  EXPECT_EQ(MenuService().MenuText(menu, SC_CLOSE, MF_BYCOMMAND, 0), "");
  EXPECT_EQ(MenuService().MenuText(menu, 0x7770, MF_BYCOMMAND, 64), "");

  EXPECT_TRUE(MenuService().ModifyMenuText(menu, 0, MF_BYPOSITION | MF_STRING, 0x7770, "Info..."));
  EXPECT_EQ(MenuService().MenuText(menu, 0x7770, MF_BYCOMMAND, 64), "Info...");
  EXPECT_FALSE(MenuService().ModifyMenuText(menu, 0x7771, MF_BYCOMMAND | MF_STRING, 1, "x"));

  MenuService().SystemMenu(form, true);
  const TMenuHandle restored = MenuService().SystemMenu(form, false);
  EXPECT_EQ(MenuService().MenuText(restored, SC_CLOSE, MF_BYCOMMAND, 64), standard);
  EXPECT_EQ(MenuService().MenuText(restored, 0x7770, MF_BYCOMMAND, 64), "");
}

}  // namespace
}  // namespace qp
