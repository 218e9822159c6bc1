#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/ws/Dialogs.h"

#include <windows.h>

namespace qp {
namespace {

// What the test saw of the message box it answered.
struct TAnsweredBox {
  std::string Caption;
  std::vector<std::string> Texts;
};

TAnsweredBox& Answered() {
  static TAnsweredBox answered;
  return answered;
}

BOOL CALLBACK CollectText(HWND child, LPARAM) {
  char text[128] = {};
  GetWindowTextA(child, text, sizeof text);
  Answered().Texts.emplace_back(text);
  return TRUE;
}

// Runs for the messages of the box's modal loop, when the box has its text (Wine activates it
// before setting the text). Presses OK once.
LRESULT CALLBACK PressOk(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  const HWND box = GetAncestor(msg->hwnd, GA_ROOT);
  if (code == MSGF_DIALOGBOX && box != nullptr && Answered().Caption.empty()) {
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    Answered().Caption = caption;
    EnumChildWindows(box, CollectText, 0);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Dialogs, MessageBoxShowsItsTextAndReturnsWhenOkIsPressed) {
  const HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, PressOk, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  DialogService().ShowDialog(TDialogKind::Warning, "Warnung", "Ung\xFCltige Sprachdatei!");
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(Answered().Caption, "Warnung");
  EXPECT_NE(
      std::find(Answered().Texts.begin(), Answered().Texts.end(), "Ung\xFCltige Sprachdatei!"),
      Answered().Texts.end());
}

}  // namespace
}  // namespace qp
