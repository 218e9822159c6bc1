#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/ui/ws/WinIni.h"

#include <windows.h>

namespace qp {
namespace {

constexpr char Section[] = "QuietpaneBackendTest";

std::string ProfileValue(const char* key) {
  char value[64] = {};
  GetProfileStringA(Section, key, "(none)", value, sizeof value);
  return value;
}

std::string WinIniOnDisk() {
  char directory[MAX_PATH] = {};
  GetWindowsDirectoryA(directory, MAX_PATH);
  std::ifstream file(std::string(directory) + "\\win.ini", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class WinIniTest : public ::testing::Test {
 protected:
  ~WinIniTest() override {
    WinIni().WriteString(Section, nullptr, nullptr);
    WinIni().WriteString(nullptr, nullptr, nullptr);
  }
};

TEST_F(WinIniTest, ValuesAreWrittenReadBackAndDeleted) {
  EXPECT_TRUE(WinIni().WriteString(Section, "Sprache", "Deutsch"));
  EXPECT_TRUE(WinIni().WriteString(Section, "Trenner", "."));
  EXPECT_EQ(ProfileValue("Sprache"), "Deutsch");

  EXPECT_TRUE(WinIni().WriteString(Section, "Sprache", nullptr));
  EXPECT_EQ(ProfileValue("Sprache"), "(none)");
  EXPECT_EQ(ProfileValue("Trenner"), ".");

  EXPECT_TRUE(WinIni().WriteString(Section, nullptr, nullptr));
  EXPECT_EQ(ProfileValue("Trenner"), "(none)");
}

TEST_F(WinIniTest, FlushWritesTheCachedFileToDisk) {
  WinIni().WriteString(Section, "Sprache",
                       "Fran\xE7"
                       "ais");
  // Wine answers false here (invalid parameter) but writes the file all the same.
  WinIni().WriteString(nullptr, nullptr, nullptr);
  EXPECT_NE(WinIniOnDisk().find("Sprache=Fran\xE7"
                                "ais"),
            std::string::npos);
}

}  // namespace
}  // namespace qp
