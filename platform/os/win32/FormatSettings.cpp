#include "platform/system/FormatSettings.h"

#include <windows.h>

#include "platform/system/Conversions.h"

namespace qp {
namespace {

// One item of a locale's settings; empty when the system has none.
std::string LocaleText(LCID locale, LCTYPE item) {
  char buffer[256];
  int length = GetLocaleInfoA(locale, item, buffer, sizeof buffer);
  return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

void ReadText(LCID locale, LCTYPE item, std::string& field) {
  std::string text = LocaleText(locale, item);
  if (!text.empty()) field = text;
}

void ReadChar(LCID locale, LCTYPE item, char& field) {
  std::string text = LocaleText(locale, item);
  if (!text.empty()) field = text.front();
}

void ReadNumber(LCID locale, LCTYPE item, std::uint8_t highest, std::uint8_t& field) {
  std::int32_t number = 0;
  if (TryStrToInt(LocaleText(locale, item), number) && number >= 0 && number <= highest) {
    field = static_cast<std::uint8_t>(number);
  }
}

bool ReadFlag(LCID locale, LCTYPE item, bool fallback) {
  std::string text = LocaleText(locale, item);
  return text.empty() ? fallback : text == "1";
}

// The system numbers week days from Monday, the program from Sunday.
LCTYPE DayItem(LCTYPE mondayItem, int day) {
  return mondayItem + static_cast<LCTYPE>((day + 5) % 7);
}

TFormatSettings ReadLocale(LCID locale) {
  TFormatSettings settings;
  ReadText(locale, LOCALE_SCURRENCY, settings.CurrencyString);
  ReadNumber(locale, LOCALE_ICURRENCY, 3, settings.CurrencyFormat);
  ReadNumber(locale, LOCALE_INEGCURR, 15, settings.NegCurrFormat);
  ReadChar(locale, LOCALE_STHOUSAND, settings.ThousandSeparator);
  ReadChar(locale, LOCALE_SDECIMAL, settings.DecimalSeparator);
  ReadNumber(locale, LOCALE_ICURRDIGITS, 255, settings.CurrencyDecimals);
  ReadChar(locale, LOCALE_SDATE, settings.DateSeparator);
  ReadText(locale, LOCALE_SSHORTDATE, settings.ShortDateFormat);
  ReadText(locale, LOCALE_SLONGDATE, settings.LongDateFormat);
  ReadChar(locale, LOCALE_STIME, settings.TimeSeparator);
  ReadText(locale, LOCALE_S1159, settings.TimeAMString);
  ReadText(locale, LOCALE_S2359, settings.TimePMString);
  bool leadingZero = ReadFlag(locale, LOCALE_ITLZERO, false);
  bool twelveHour = !ReadFlag(locale, LOCALE_ITIME, false);
  settings.ShortTimeFormat = TimeFormat(leadingZero, twelveHour, false);
  settings.LongTimeFormat = TimeFormat(leadingZero, twelveHour, true);
  for (int month = TMonthNames::First; month <= TMonthNames::Last; ++month) {
    LCTYPE offset = static_cast<LCTYPE>(month - TMonthNames::First);
    ReadText(locale, LOCALE_SABBREVMONTHNAME1 + offset, settings.ShortMonthNames[month]);
    ReadText(locale, LOCALE_SMONTHNAME1 + offset, settings.LongMonthNames[month]);
  }
  for (int day = TDayNames::First; day <= TDayNames::Last; ++day) {
    ReadText(locale, DayItem(LOCALE_SABBREVDAYNAME1, day), settings.ShortDayNames[day]);
    ReadText(locale, DayItem(LOCALE_SDAYNAME1, day), settings.LongDayNames[day]);
  }
  return settings;
}

}  // namespace

void LoadFormatSettings() {
  FormatSettings() = ReadLocale(LOCALE_USER_DEFAULT);
}

bool LoadFormatSettings(const std::string& localeName) {
  std::wstring wideName(localeName.begin(), localeName.end());
  LCID locale = LocaleNameToLCID(wideName.c_str(), 0);
  if (locale == 0 || !IsValidLocale(locale, LCID_INSTALLED)) return false;
  FormatSettings() = ReadLocale(locale);
  return true;
}

}  // namespace qp
