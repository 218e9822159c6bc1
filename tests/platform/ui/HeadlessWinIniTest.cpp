#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/backends/headless/WinIni.h"
#include "platform/system/Profile.h"
#include "tests/platform/TemporaryDirectory.h"

namespace qp {
namespace {

// What a program reading the file through the system sees; Windows caches written files, so the
// bytes on disk may lag behind.
std::string Value(const std::string& fileName, const std::string& key) {
  char buffer[64];
  const std::size_t length = ProfileReadString(fileName, "intl", key, "(none)", buffer);
  return std::string(buffer, length);
}

std::vector<std::string> KeyNames(const std::string& fileName) {
  char buffer[256];
  const std::size_t length = ProfileReadKeyNames(fileName, "intl", buffer);
  std::vector<std::string> names;
  for (std::size_t start = 0; start < length; start += names.back().size() + 1) {
    names.emplace_back(buffer + start);
  }
  return names;
}

class HeadlessWinIniTest : public ::testing::Test {
 protected:
  void SetUp() override { winIni.Reset(); }
  void TearDown() override { winIni.Reset(); }

  THeadlessWinIni& winIni = HeadlessWinIni();
};

TEST_F(HeadlessWinIniTest, ValuesGoIntoTheFileOfTheChosenDirectory) {
  TemporaryDirectory directory;
  winIni.SetDirectory(directory.Path());
  EXPECT_EQ(winIni.FileName(), directory.Path(THeadlessWinIni::kFileName));
  EXPECT_TRUE(WinIni().WriteString("intl", "sShortDate", "dd.MM.yyyy"));
  EXPECT_TRUE(WinIni().WriteString("intl", "sDecimal", ","));
  EXPECT_TRUE(WinIni().WriteString("intl", "sShortDate", "dd.MM.yy"));
  EXPECT_EQ(KeyNames(winIni.FileName()), (std::vector<std::string>{"sShortDate", "sDecimal"}));
  EXPECT_EQ(Value(winIni.FileName(), "sShortDate"), "dd.MM.yy");
  EXPECT_EQ(Value(winIni.FileName(), "sDecimal"), ",");
}

TEST_F(HeadlessWinIniTest, WithoutADirectoryOnlyTheFlushSucceeds) {
  EXPECT_FALSE(WinIni().WriteString("intl", "sLanguage", "deu"));
  EXPECT_TRUE(WinIni().WriteString(nullptr, nullptr, nullptr));
  EXPECT_TRUE(WinIni().WriteString(nullptr, nullptr, nullptr));
  EXPECT_EQ(winIni.Flushes(), 2);
}

TEST_F(HeadlessWinIniTest, DeletionsFailAndLeaveTheFileAsItWas) {
  TemporaryDirectory directory;
  winIni.SetDirectory(directory.Path());
  ASSERT_TRUE(WinIni().WriteString("intl", "iDate", "1"));
  EXPECT_FALSE(WinIni().WriteString("intl", "iDate", nullptr));
  EXPECT_FALSE(WinIni().WriteString("intl", nullptr, nullptr));
  EXPECT_FALSE(WinIni().WriteString(nullptr, "iDate", "2"));
  EXPECT_TRUE(WinIni().WriteString(nullptr, nullptr, nullptr));
  EXPECT_EQ(KeyNames(winIni.FileName()), std::vector<std::string>{"iDate"});
  EXPECT_EQ(Value(winIni.FileName(), "iDate"), "1");
}

TEST_F(HeadlessWinIniTest, EveryCallIsLoggedWithItsNullsToldApartFromEmptyTexts) {
  TemporaryDirectory directory;
  winIni.SetDirectory(directory.Path());
  WinIni().WriteString("intl", "sTime", "");
  WinIni().WriteString("intl", "sTime", nullptr);
  WinIni().WriteString(nullptr, nullptr, nullptr);
  using Call = THeadlessWinIni::Call;
  EXPECT_EQ(winIni.Calls(), (std::vector<Call>{{"intl", "sTime", "", true},
                                               {"intl", "sTime", std::nullopt, false},
                                               {std::nullopt, std::nullopt, std::nullopt, true}}));
}

}  // namespace
}  // namespace qp
