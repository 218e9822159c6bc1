#include "platform/system/FormatSettings.h"

#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>
#include <string>

#include "platform/system/Conversions.h"

namespace qp {
namespace {

// Each test may load other settings; the process gets its own back afterwards.
class FormatSettingsLoading : public ::testing::Test {
 protected:
  ~FormatSettingsLoading() override { FormatSettings() = saved_; }

 private:
  TFormatSettings saved_ = FormatSettings();
};

TEST(FormatSettings, NameTablesCountFromOne) {
  TFormatSettings settings;
  EXPECT_EQ(settings.LongMonthNames[1], "January");
  EXPECT_EQ(settings.LongMonthNames[12], "December");
  EXPECT_EQ(settings.ShortDayNames[1], "Sun");
  EXPECT_EQ(settings.ShortDayNames[7], "Sat");
  for (int outside : {-1, 0, 13})
    EXPECT_THROW(settings.LongMonthNames[outside], std::out_of_range);
  EXPECT_THROW(settings.LongDayNames[8], std::out_of_range);
}

TEST(FormatSettings, TimeFormatFollowsTheClock) {
  EXPECT_EQ(TimeFormat(false, true, false), "h:mm AMPM");
  EXPECT_EQ(TimeFormat(false, true, true), "h:mm:ss AMPM");
  EXPECT_EQ(TimeFormat(true, false, false), "hh:mm");
  EXPECT_EQ(TimeFormat(true, false, true), "hh:mm:ss");
}

TEST_F(FormatSettingsLoading, UserSettingsAreComplete) {
  LoadFormatSettings();
  const TFormatSettings& settings = FormatSettings();
  EXPECT_FALSE(settings.CurrencyString.empty());
  EXPECT_LE(settings.CurrencyFormat, 3);
  EXPECT_LE(settings.NegCurrFormat, 15);
  EXPECT_NE(settings.DecimalSeparator, '\0');
  EXPECT_NE(settings.DateSeparator, '\0');
  EXPECT_NE(settings.TimeSeparator, '\0');
  EXPECT_FALSE(settings.ShortDateFormat.empty());
  EXPECT_FALSE(settings.LongTimeFormat.empty());
  for (const auto& name : settings.LongMonthNames)
    EXPECT_FALSE(name.empty());
  for (const auto& name : settings.ShortDayNames)
    EXPECT_FALSE(name.empty());
  EXPECT_EQ(StrToFloat(FloatToStr(2.5)), 2.5);
}

TEST_F(FormatSettingsLoading, UnknownLocaleLeavesTheSettingsAlone) {
  FormatSettings().DecimalSeparator = '#';
  EXPECT_FALSE(LoadFormatSettings("xx_NOWHERE"));
  EXPECT_EQ(FormatSettings().DecimalSeparator, '#');
}

TEST_F(FormatSettingsLoading, CLocaleGivesTheEnglishDefaults) {
  FormatSettings().DecimalSeparator = '#';
  if (!LoadFormatSettings("C")) GTEST_SKIP() << "the system has no C locale";
  EXPECT_EQ(FormatSettings(), TFormatSettings{});
  EXPECT_EQ(FormatSettings().ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(FloatToStr(0.5), "0.5");
}

// German as Linux and Windows both describe it; where they differ (leading zeros of the short
// date, the long date format, abbreviations) the test does not look.
TEST_F(FormatSettingsLoading, GermanLocaleIsReadInTheProgramsCodePage) {
  bool loaded = false;
  for (const char* name : {"de-DE", "de_DE.UTF-8", "de_DE.utf8"}) {
    if (LoadFormatSettings(name)) {
      loaded = true;
      break;
    }
  }
  if (!loaded) GTEST_SKIP() << "no German locale installed";
  const TFormatSettings& settings = FormatSettings();
  EXPECT_EQ(settings.CurrencyString, "\x80");
  EXPECT_EQ(settings.CurrencyFormat, 3);
  EXPECT_EQ(settings.NegCurrFormat, 8);
  EXPECT_EQ(settings.ThousandSeparator, '.');
  EXPECT_EQ(settings.DecimalSeparator, ',');
  EXPECT_EQ(settings.CurrencyDecimals, 2);
  EXPECT_EQ(settings.DateSeparator, '.');
  EXPECT_TRUE(std::regex_match(settings.ShortDateFormat, std::regex(R"(d{1,2}\.M{1,2}\.yyyy)")))
      << settings.ShortDateFormat;
  EXPECT_EQ(settings.TimeSeparator, ':');
  EXPECT_EQ(settings.ShortTimeFormat, "hh:mm");
  EXPECT_EQ(settings.LongTimeFormat, "hh:mm:ss");
  EXPECT_EQ(settings.LongMonthNames[1], "Januar");
  EXPECT_EQ(settings.LongMonthNames[3], "M\xE4rz");
  EXPECT_EQ(settings.LongMonthNames[12], "Dezember");
  EXPECT_EQ(settings.LongDayNames[1], "Sonntag");
  EXPECT_EQ(settings.LongDayNames[2], "Montag");
  EXPECT_EQ(settings.LongDayNames[7], "Samstag");
  EXPECT_EQ(FloatToStr(-1.5), "-1,5");
}

}  // namespace
}  // namespace qp
