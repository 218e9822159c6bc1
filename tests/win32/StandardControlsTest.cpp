#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Describe.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "tests/platform/ui/ChangeCounter.h"

#include <windows.h>

namespace qp {
namespace {

HWND Hwnd(TControl& control) {
  return reinterpret_cast<HWND>(dynamic_cast<TWinControl&>(control).Handle());
}

std::string WindowText(HWND hwnd) {
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

// Lists the group's lines anew from its OnClick, as the adopting language engine does after a
// switch, once.
class TRefiller : public TObject {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{
        Describe<TRefiller, TObject>("TRefiller").Method("Refill", &TRefiller::Refill)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Refill(TObject* sender) {
    if (Refills++ > 0) return;
    auto& group = dynamic_cast<TRadioGroup&>(*sender);
    const std::int32_t chosen = group.ItemIndex();
    group.Items()->Clear();
    group.Items()->SetText("Deutsch\nEnglisch\n");
    group.SetItemIndex(chosen);
  }

  int Refills = 0;
};

// The standard controls on the system's own windows, on a hidden top-level panel.
class StandardControls : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.SetBounds(0, 0, 400, 300);
    host_.SetVisible(false);
    host_.Handle();
  }

  TPanel host_{nullptr};
  TChangeCounter events_;
};

TEST_F(StandardControls, AListBoxShowsItsLinesAndReportsTheLineTheUserClicks) {
  TListBox box(nullptr);
  box.Items()->SetText("Deutsch\nEnglisch\nFranz\xF6sisch\n");
  box.SetItemIndex(1);
  box.SetParent(&host_);
  box.OnClick = events_.Handler();
  const HWND hwnd = Hwnd(box);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCOUNT, 0, 0), 3);
  char line[32] = {};
  SendMessageA(hwnd, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(line));
  EXPECT_STREQ(line, "Franz\xF6sisch");
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCURSEL, 0, 0), 1);

  RECT item{};
  SendMessageA(hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(box.ItemIndex(), 2);
  EXPECT_EQ(events_.Senders, std::vector<TObject*>{&box});

  box.SetItemIndex(0);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(events_.Senders.size(), 1u);
}

TEST_F(StandardControls, AnEditReportsEachChangeOfItsTextOnce) {
  TEdit edit(nullptr);
  edit.SetParent(&host_);
  edit.OnChange = events_.Handler();
  const HWND hwnd = Hwnd(edit);
  edit.SetText("Hallo");
  EXPECT_EQ(WindowText(hwnd), "Hallo");
  EXPECT_EQ(events_.Senders.size(), 1u);

  SendMessageA(hwnd, EM_SETSEL, 5, 5);
  SendMessageA(hwnd, WM_CHAR, '!', 1);
  EXPECT_EQ(edit.Text(), "Hallo!");
  EXPECT_EQ(events_.Senders.size(), 2u);
}

TEST_F(StandardControls, AButtonClickRaisesOnClickAndTheDefaultStyleIsTheSystems) {
  TButton button(nullptr);
  button.SetCaption("OK");
  button.SetParent(&host_);
  button.OnClick = events_.Handler();
  const HWND hwnd = Hwnd(button);
  EXPECT_EQ(WindowText(hwnd), "OK");
  button.SetDefault(true);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

  SendMessageA(hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(events_.Senders, std::vector<TObject*>{&button});
}

TEST_F(StandardControls, ARadioGroupsButtonsAreSystemRadioButtons) {
  TRadioGroup group(nullptr);
  group.SetBounds(10, 10, 200, 100);
  group.Items()->SetText("Deutsch\nEnglisch\n");
  group.SetParent(&host_);
  group.OnClick = events_.Handler();
  ASSERT_EQ(group.ControlCount(), 2);
  const HWND first = Hwnd(*group.Controls(0));
  const HWND second = Hwnd(*group.Controls(1));
  EXPECT_EQ(WindowText(second), "Englisch");
  EXPECT_EQ(GetParent(second), Hwnd(group));

  group.SetItemIndex(1);
  EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(first, BM_CLICK, 0, 0);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(events_.Senders, (std::vector<TObject*>{&group, &group}));

  // The clicked button's window goes while the system still handles its click.
  TRefiller refiller;
  group.OnClick = TNotifyEvent(&refiller, &TRefiller::Refill);
  SendMessageA(Hwnd(*group.Controls(1)), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(SendMessageA(Hwnd(*group.Controls(1)), BM_GETCHECK, 0, 0), BST_CHECKED);
}

}  // namespace
}  // namespace qp
