#include "platform/system/DateTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "platform/core/Exceptions.h"

namespace qp {
namespace {

struct TDayCase {
  TCalendarDate Day;
  TDateTime Serial;
};

const TDayCase kKnownDays[] = {
    {{1899, 12, 30}, 0},  {{1899, 12, 31}, 1},       {{1899, 12, 29}, -1},   {{1900, 1, 1}, 2},
    {{1900, 3, 1}, 61},   {{1996, 9, 9}, 35317},     {{2000, 2, 29}, 36585}, {{2000, 3, 1}, 36586},
    {{1, 1, 1}, -693593}, {{9999, 12, 31}, 2958465},
};

TEST(DateTime, EncodeAndDecodeKnownDays) {
  for (const auto& c : kKnownDays) {
    SCOPED_TRACE(c.Serial);
    EXPECT_EQ(EncodeDate(c.Day.Year, c.Day.Month, c.Day.Day), c.Serial);
    EXPECT_EQ(DecodeDate(c.Serial), c.Day);
  }
}

TEST(DateTime, DecodeIgnoresTheTimeOfDay) {
  EXPECT_EQ(DecodeDate(35317.999), (TCalendarDate{1996, 9, 9}));
  // Before day zero the fraction still counts away from it: -1.25 is 6 a.m. on 29 December.
  EXPECT_EQ(DecodeDate(-1.25), (TCalendarDate{1899, 12, 29}));
}

TEST(DateTime, DecodeOutsideTheCalendarGivesZeros) {
  for (TDateTime outside :
       {-693594.0, 2958466.0, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(DecodeDate(outside), TCalendarDate{}) << outside;
  }
}

TEST(DateTime, EncodeRejectsDaysThatDoNotExist) {
  const TCalendarDate cases[] = {{1900, 2, 29}, {2001, 2, 29}, {2000, 4, 31}, {2000, 1, 32},
                                 {2000, 1, 0},  {2000, 0, 1},  {2000, 13, 1}, {0, 1, 1},
                                 {10000, 1, 1}, {-1, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Year << '-' << c.Month << '-' << c.Day);
    TDateTime date = 42;
    EXPECT_FALSE(TryEncodeDate(c.Year, c.Month, c.Day, date));
    EXPECT_EQ(date, 42);
    EXPECT_THROW(EncodeDate(c.Year, c.Month, c.Day), EConvertError);
  }
}

TEST(DateTime, TodayIsAWholeDayNearTheUniversalDate) {
  using namespace std::chrono;
  TDateTime now = Now();
  TDateTime today = Date();
  EXPECT_EQ(today, std::trunc(today));
  EXPECT_GE(now - today, -1.0 / 86400);  // the day may turn between the two readings
  EXPECT_LT(now - today, 1);
  sys_days universalToday = floor<days>(system_clock::now());
  auto universalSerial = (universalToday - sys_days{year{1899} / December / 30}).count();
  EXPECT_LE(std::fabs(today - universalSerial), 1);
}

}  // namespace
}  // namespace qp
