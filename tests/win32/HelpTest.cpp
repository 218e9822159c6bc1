#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/ui/ws/Help.h"
#include "platform/ui/ws/Windowing.h"
#include "tests/platform/TemporaryDirectory.h"

#include <windows.h>

namespace qp {
namespace {

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string TextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

class HelpTest : public ::testing::Test {
 protected:
  ~HelpTest() override {
    for (const char* caption : {"Hilfe.txt", "Info.txt", "QuietpaneHelpTest.txt"}) {
      if (const HWND viewer = Viewer(caption)) DestroyWindow(viewer);
    }
  }

  static HWND Viewer(const char* caption) { return FindWindowA(nullptr, caption); }

  bool Open(const std::string& file, std::uint32_t command = HELP_CONTENTS) {
    const bool opened = HelpViewer().OpenHelp(0, file, command, 0);
    Windowing().ProcessPendingMessages();
    return opened;
  }

  TemporaryDirectory directory_;
};

TEST_F(HelpTest, ViewerShowsTheFileReadOnlyCaptionedWithItsName) {
  WriteFile(directory_.Path("Hilfe.txt"),
            "Quietpane\n\nRechtsklick \xF6"
            "ffnet das Men\xFC.\r\n");
  ASSERT_TRUE(Open(directory_.Path("Hilfe.txt")));
  const HWND viewer = Viewer("Hilfe.txt");
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(IsWindowVisible(viewer));
  EXPECT_EQ(GetForegroundWindow(), viewer);

  const HWND text = GetWindow(viewer, GW_CHILD);
  char className[16] = {};
  GetClassNameA(text, className, sizeof className);
  EXPECT_STRCASEEQ(className, "Edit");
  const LONG style = GetWindowLongA(text, GWL_STYLE);
  EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY), ES_MULTILINE | ES_READONLY);
  EXPECT_EQ(TextOf(text),
            "Quietpane\r\n\r\nRechtsklick \xF6"
            "ffnet das Men\xFC.\r\n");

  RECT client{};
  RECT textBounds{};
  GetClientRect(viewer, &client);
  GetClientRect(text, &textBounds);
  MapWindowPoints(text, viewer, reinterpret_cast<POINT*>(&textBounds), 2);
  EXPECT_GT(textBounds.right - textBounds.left, client.right / 2);
  EXPECT_GT(textBounds.bottom - textBounds.top, client.bottom / 2);
}

TEST_F(HelpTest, ViewerClosesWithItsCloseButtonAndOpensAgain) {
  WriteFile(directory_.Path("Hilfe.txt"), "Text");
  ASSERT_TRUE(Open(directory_.Path("Hilfe.txt")));
  const HWND viewer = Viewer("Hilfe.txt");
  SendMessageA(viewer, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(viewer));
  ASSERT_TRUE(Open(directory_.Path("Hilfe.txt")));
  EXPECT_NE(Viewer("Hilfe.txt"), nullptr);
}

TEST_F(HelpTest, OpeningAnOpenFileAgainBringsItsViewerToTheFront) {
  WriteFile(directory_.Path("Hilfe.txt"), "Hilfe");
  WriteFile(directory_.Path("Info.txt"), "Info");
  ASSERT_TRUE(Open(directory_.Path("Hilfe.txt")));
  const HWND help = Viewer("Hilfe.txt");
  ASSERT_TRUE(Open(directory_.Path("Info.txt")));
  EXPECT_EQ(GetForegroundWindow(), Viewer("Info.txt"));

  WriteFile(directory_.Path("Hilfe.txt"), "Neu");
  ASSERT_TRUE(Open(directory_.Path("HILFE.TXT")));
  EXPECT_EQ(Viewer("Hilfe.txt"), help);
  EXPECT_EQ(FindWindowExA(nullptr, help, nullptr, "Hilfe.txt"), nullptr);
  EXPECT_EQ(GetForegroundWindow(), help);
  EXPECT_EQ(TextOf(GetWindow(help, GW_CHILD)), "Hilfe");
}

TEST_F(HelpTest, NothingIsShownForWhatCannotBeRead) {
  EXPECT_FALSE(Open(directory_.Path("Hilfe.txt")));
  EXPECT_FALSE(Open(directory_.Path("")));
  WriteFile(directory_.Path("Hilfe.txt"), "Text");
  EXPECT_FALSE(Open(directory_.Path("Hilfe.txt"), 2));
  WriteFile(directory_.Path("Hilfe.txt"), std::string(2 * 1024 * 1024, 'x'));
  EXPECT_FALSE(Open(directory_.Path("Hilfe.txt")));
  EXPECT_EQ(Viewer("Hilfe.txt"), nullptr);
}

TEST_F(HelpTest, RelativeNamesAreTakenFromTheProgramsDirectory) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string beside(program);
  beside = beside.substr(0, beside.find_last_of('\\') + 1) + "QuietpaneHelpTest.txt";
  WriteFile(beside, "Neben dem Programm");
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(directory_.Path().c_str());

  const bool opened = Open("QuietpaneHelpTest.txt");

  SetCurrentDirectoryA(current);
  DeleteFileA(beside.c_str());
  ASSERT_TRUE(opened);
  EXPECT_EQ(TextOf(GetWindow(Viewer("QuietpaneHelpTest.txt"), GW_CHILD)), "Neben dem Programm");
}

}  // namespace
}  // namespace qp
