#include "platform/system/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/system/FormatSettings.h"

namespace qp {
namespace {

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kUntouched = 777;

struct TIntCase {
  const char* Text;
  std::int32_t Value;
};

TEST(Conversions, StrToIntReadsDecimalAndHexadecimal) {
  const TIntCase cases[] = {
      {"0", 0},
      {"007", 7},
      {"  42", 42},
      {"\t-17", -17},
      {"+5", 5},
      {"-0", 0},
      {"2147483647", kMaxInt},
      {"-2147483648", kMinInt},
      {"$ff", 255},
      {"$Ff", 255},
      {"-$10", -16},
      {"+$1", 1},
      {"$7FFFFFFF", kMaxInt},
      {"$80000000", kMinInt},
      {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},
      {"$000000000001", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    std::int32_t value = kUntouched;
    EXPECT_TRUE(TryStrToInt(c.Text, value));
    EXPECT_EQ(value, c.Value);
    EXPECT_EQ(StrToInt(c.Text), c.Value);
  }
}

TEST(Conversions, StrToIntRejectsAnythingElse) {
  const char* const cases[] = {"",           " ",
                               "+",          "-",
                               "$",          "-$",
                               "1 ",         "12a",
                               "2147483648", "-2147483649",
                               "$1FFFFFFFF", "$100000000",
                               "$G",         "0x10",
                               "1.0",        "--1",
                               "+-1",        "$-1",
                               "$ 1",        "1e3",
                               " - 1",       "99999999999999999999"};
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    std::int32_t value = kUntouched;
    EXPECT_FALSE(TryStrToInt(text, value));
    EXPECT_EQ(value, kUntouched);
    EXPECT_THROW(StrToInt(text), EConvertError);
  }
}

TEST(Conversions, StrToIntNamesTheWholeTextInItsError) {
  try {
    StrToInt(" 12a");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "' 12a' ist kein g\xFCltiger Integerwert");
  }
}

TEST(Conversions, IntToStrWritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(kMinInt), "-2147483648");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  for (std::int32_t value : {kMinInt, -1, 0, 1, kMaxInt})
    EXPECT_EQ(StrToInt(IntToStr(value)), value);
}

// Float conversions follow the program's decimal separator; each test starts from "." and leaves
// the settings as it found them.
class FloatConversions : public ::testing::Test {
 protected:
  FloatConversions() { FormatSettings().DecimalSeparator = '.'; }
  ~FloatConversions() override { FormatSettings() = saved_; }

 private:
  TFormatSettings saved_ = FormatSettings();
};

struct TFloatText {
  double Value;
  const char* Text;
};

TEST_F(FloatConversions, FloatToStrWritesFifteenSignificantDigits) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const TFloatText cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {35317, "35317"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {12.5, "12.5"},
      {100, "100"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.00001, "0.00001"},
      {0.000012345, "0.000012345"},
      {0.000001, "1E-6"},
      {-1.5e-7, "-1.5E-7"},
      {123456789012345, "123456789012345"},
      {1e14, "100000000000000"},
      {999999999999999.9, "1E15"},
      {1e15, "1E15"},
      {1e20, "1E20"},
      {-1.25e100, "-1.25E100"},
      {std::numeric_limits<double>::max(), "1.79769313486232E308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {kInfinity, "INF"},
      {-kInfinity, "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStr(c.Value), c.Text) << c.Text;
}

TEST_F(FloatConversions, StrToFloatReadsTheNumberSyntax) {
  const TFloatText cases[] = {
      {0.5, "0.5"},       {1.5, " 1.5 "},       {-2, "-2"},
      {3, "+3"},          {0.5, ".5"},          {5, "5."},
      {-0.5, "-.5"},      {1000, "1E3"},        {1000, "1e+3"},
      {0.001, "1e-3"},    {-1.5e-7, "-1.5E-7"}, {7, "\t7\t"},
      {12.5, "00012.50"}, {0, "0e99999"},       {4.94065645841247e-324, "4.94065645841247E-324"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    double value = 0;
    EXPECT_TRUE(TryStrToFloat(c.Text, value));
    EXPECT_EQ(value, c.Value);
    EXPECT_EQ(StrToFloat(c.Text), c.Value);
  }
}

TEST_F(FloatConversions, StrToFloatRejectsAnythingElse) {
  const char* const cases[] = {"",    " ",    ".",    "-",     "+.",    "1e",     "1e+",
                               "E5",  "1,5",  "1.5.", "1 5",   "0x10",  "INF",    "NAN",
                               "$10", "1.5f", "--1",  "1e1.5", "1e400", "-1e400", "1e-400"};
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    double value = kUntouched;
    EXPECT_FALSE(TryStrToFloat(text, value));
    EXPECT_EQ(value, kUntouched);
    EXPECT_THROW(StrToFloat(text), EConvertError);
  }
}

TEST_F(FloatConversions, StrToFloatNamesTheWholeTextInItsError) {
  try {
    StrToFloat("1,5 ");
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'1,5 ' ist kein g\xFCltiger Gleitkommawert");
  }
}

TEST_F(FloatConversions, CommaSeparatorReplacesThePoint) {
  FormatSettings().DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(0.5), "0,5");
  EXPECT_EQ(FloatToStr(-1.5e-7), "-1,5E-7");
  EXPECT_EQ(FloatToStr(35317), "35317");
  EXPECT_EQ(StrToFloat(" -1,25e2 "), -125);
  double value = kUntouched;
  EXPECT_FALSE(TryStrToFloat("1.5", value));
  EXPECT_EQ(value, kUntouched);
}

TEST_F(FloatConversions, FifteenDigitValuesSurviveTheRoundTrip) {
  const double values[] = {0.1,
                           -0.3,
                           35317.25,
                           123456.789,
                           1e-300,
                           -2.5e-5,
                           1.23456789012345e-8,
                           3.14159265358979,
                           9.87654321012345e100,
                           999999999999999,
                           1e15,
                           -4.2e299};
  for (char separator : {'.', ','}) {
    FormatSettings().DecimalSeparator = separator;
    for (double value : values)
      EXPECT_EQ(StrToFloat(FloatToStr(value)), value) << FloatToStr(value);
  }
}

}  // namespace
}  // namespace qp
