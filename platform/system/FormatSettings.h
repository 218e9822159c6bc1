#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qp {

// Names numbered from 1, as months (1 = January) and week days (1 = Sunday) are. A number outside
// 1..Count raises std::out_of_range, so a slip into 0-based counting fails at once.
template <std::size_t Count>
class TNameTable {
 public:
  static constexpr int First = 1;
  static constexpr int Last = static_cast<int>(Count);

  explicit TNameTable(const std::array<std::string, Count>& names) : names_(names) {}

  std::string& operator[](int number) { return names_.at(Index(number)); }
  const std::string& operator[](int number) const { return names_.at(Index(number)); }

  auto begin() const { return names_.begin(); }
  auto end() const { return names_.end(); }

  bool operator==(const TNameTable&) const = default;

 private:
  static std::size_t Index(int number) {
    return number >= First ? static_cast<std::size_t>(number - First) : Count;
  }

  std::array<std::string, Count> names_;
};

using TMonthNames = TNameTable<12>;
using TDayNames = TNameTable<7>;

// How the program writes and reads numbers, money, dates and times. A default-constructed value
// holds the US English settings, which also fill in whatever the user's regional settings leave
// open. Texts are in the program's 8-bit code page.
struct TFormatSettings {
  std::string CurrencyString = "$";
  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
  std::uint8_t CurrencyFormat = 0;
  // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-", 8 "-1 $",
  // 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
  std::uint8_t NegCurrFormat = 0;
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  std::uint8_t CurrencyDecimals = 2;
  char DateSeparator = '/';
  std::string ShortDateFormat = "M/d/yyyy";
  std::string LongDateFormat = "dddd, MMMM dd, yyyy";
  char TimeSeparator = ':';
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string ShortTimeFormat = "h:mm AMPM";
  std::string LongTimeFormat = "h:mm:ss AMPM";
  TMonthNames ShortMonthNames{
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};
  TMonthNames LongMonthNames{{"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"}};
  TDayNames ShortDayNames{{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};
  TDayNames LongDayNames{
      {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};

  bool operator==(const TFormatSettings&) const = default;
};

// The program's settings, shared by the whole process.
TFormatSettings& FormatSettings();

// Replaces FormatSettings() with the user's regional settings. The application calls it at
// start-up and again whenever the system reports that the user changed them.
void LoadFormatSettings();

// Replaces FormatSettings() with the settings of a locale named as the system names them
// ("de_DE.UTF-8" on Linux, "de-DE" on Windows). False, leaving them as they were, when the system
// does not know the name.
bool LoadFormatSettings(const std::string& localeName);

// The time format the platform builds from a clock's habits: "h" or "hh", then ":mm", ":ss"
// when seconds are wanted, and " AMPM" on a 12-hour clock.
std::string TimeFormat(bool leadingZero, bool twelveHour, bool withSeconds);

}  // namespace qp
