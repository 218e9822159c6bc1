#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "components/Vcombbox.h"
#include "platform/ui/Font.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Icon.h"
#include "tests/platform/ui/TestIcons.h"
#include "tests/support/Screenshot.h"

#include <windows.h>

namespace qp {
namespace {

constexpr int kSide = 32;

// A 32 by 32 icon of one colour where inside(x, y) holds (y counted from the top) and
// transparent elsewhere.
std::unique_ptr<TIcon> DrawnIcon(COLORREF colour, const std::function<bool(int, int)>& inside) {
  TTestIconImage image;
  image.Width = kSide;
  image.Height = kSide;
  image.BitCount = 32;
  auto& out = image.Bytes;
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, kSide, 4);
  PutLittleEndian(out, kSide * 2, 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 32, 2);
  out.resize(40, 0);
  std::vector<std::uint8_t> mask;
  // Rows go from the bottom up; the mask has a set bit where the background shows.
  for (int y = kSide - 1; y >= 0; --y) {
    std::uint32_t maskRow = 0;
    for (int x = 0; x < kSide; ++x) {
      const bool shown = inside(x, y);
      const std::uint32_t pixel = shown ? 0xFF000000u | (GetRValue(colour) << 16) |
                                              (GetGValue(colour) << 8) | GetBValue(colour)
                                        : 0;
      PutLittleEndian(out, pixel, 4);
      if (!shown) maskRow |= 0x80000000u >> x;
    }
    for (int shift = 24; shift >= 0; shift -= 8)
      mask.push_back(static_cast<std::uint8_t>(maskRow >> shift));
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return IconFromFile(IconFileOf({image}));
}

// Every icon keeps its corners transparent, so the square behind it shows there.
bool Disc(int x, int y) {
  return (x - 16) * (x - 16) + (y - 16) * (y - 16) <= 14 * 14;
}
bool Diamond(int x, int y) {
  return std::abs(x - 16) + std::abs(y - 16) <= 14;
}
bool Block(int x, int y) {
  return x >= 4 && x < 28 && y >= 4 && y < 28;
}

HWND Hwnd(TWinControl& control) {
  return reinterpret_cast<HWND>(control.Handle());
}

class VComboBoxWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBounds(40, 40, 320, 240);
    form_.SetCaption("Sprache");
    box_->SetParent(&form_);
    box_->SetBounds(16, 16, 200, 42);
    box_->SetItemHeight(36);
    box_->Items()->SetText(
        "Deutsch\nEnglisch\nFranz\xF6"
        "sisch\n");
    const std::unique_ptr<TIcon> icons[] = {DrawnIcon(RGB(0, 0, 255), Disc),
                                            DrawnIcon(RGB(0, 160, 0), Diamond),
                                            DrawnIcon(RGB(255, 0, 0), Block)};
    for (int i = 0; i < 3; ++i)
      ASSERT_TRUE(box_->SetItemIcon(i, icons[i].get()));
    box_->SetShowIcons(true);
    box_->SetVisible(true);
    form_.Show();
    form_.Handle();
    SetForegroundWindow(Hwnd(form_));
    PumpMessages();
  }

  void TearDown() override { SendMessageA(Hwnd(*box_), CB_SHOWDROPDOWN, FALSE, 0); }

  static void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  HWND DroppedList() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(Hwnd(*box_), &info);
    return info.hwndList;
  }

  // What the list shows at x, y of its client area.
  COLORREF ListPixel(int x, int y) {
    const HWND list = DroppedList();
    UpdateWindow(list);
    const HDC dc = GetDC(list);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(list, dc);
    return pixel;
  }

  TForm form_{nullptr};
  TVComboBox* box_ = new TVComboBox(&form_);
};

TEST_F(VComboBoxWindow, TheSystemsWindowIsAnOwnerDrawnListWithTheBoxsOwnBits) {
  const auto style = static_cast<std::uint32_t>(GetWindowLongA(Hwnd(*box_), GWL_STYLE));
  EXPECT_EQ(style & 0x17, 0x17u);
  EXPECT_NE(style & CBS_HASSTRINGS, 0u);
  EXPECT_EQ(SendMessageA(Hwnd(*box_), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(Hwnd(*box_), CB_GETITEMHEIGHT, 0, 0), 36);
}

TEST_F(VComboBoxWindow, TheOpenListShowsEachIconBesideItsTextAndTheChoiceIsReported) {
  SendMessageA(Hwnd(*box_), CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages();
  ASSERT_TRUE(IsWindowVisible(DroppedList()));
  // The drop-down notification came through: the items keep the font's height of before.
  EXPECT_EQ(box_->SavedFontHeight(), -11);
  EXPECT_EQ(box_->Font()->Height(), box_->Height());

  // The user moves down to the second language.
  SendMessageA(Hwnd(*box_), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(Hwnd(*box_), WM_KEYDOWN, VK_DOWN, 0);
  PumpMessages();
  EXPECT_EQ(box_->ItemIndex(), 1);

  // Item i spans y 36 i to 36 i + 35; its icon square starts at x 2, y 36 i + 1.
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(ListPixel(2 + 16, 1 + 16), RGB(0, 0, 255));
  EXPECT_EQ(ListPixel(2 + 16, 36 + 1 + 16), RGB(0, 160, 0));
  EXPECT_EQ(ListPixel(2 + 16, 72 + 1 + 16), RGB(255, 0, 0));
  // The chosen item is highlighted, except the square behind its icon.
  EXPECT_EQ(ListPixel(2 + 1, 36 + 1 + 1), window);
  EXPECT_EQ(ListPixel(180, 36 + 18), highlight);
  EXPECT_EQ(ListPixel(180, 18), window);

  EXPECT_TRUE(SaveScreenshot("vcombobox.png"));
}

TEST_F(VComboBoxWindow, WhileDesignedTheSizeTheSystemReportsSetsTheItemHeight) {
  box_->SetDesigning(true);
  const HWND before = Hwnd(*box_);
  MoveWindow(before, 16, 16, 200, 60, TRUE);
  EXPECT_EQ(box_->ItemHeight(), 54);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(SendMessageA(Hwnd(*box_), CB_GETITEMHEIGHT, 0, 0), 54);
  const auto style = static_cast<std::uint32_t>(GetWindowLongA(Hwnd(*box_), GWL_STYLE));
  EXPECT_EQ(style & 0x17, 0x17u);
}

}  // namespace
}  // namespace qp
