#include "platform/system/FormatSettings.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <cstdlib>
#include <string_view>

namespace qp {
namespace {

// A conversion between two character sets, closed on leaving scope.
class TConversion {
 public:
  TConversion(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~TConversion() {
    if (IsOpen()) iconv_close(handle_);
  }
  TConversion(const TConversion&) = delete;
  TConversion& operator=(const TConversion&) = delete;

  bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of input, or as much as the target can hold; false on anything it cannot convert.
  bool Convert(char* input, std::size_t inputSize, char* output, std::size_t& outputSize) const {
    std::size_t outputLeft = outputSize;
    if (iconv(handle_, &input, &inputSize, &output, &outputLeft) == static_cast<std::size_t>(-1)) {
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
      return false;
    }
    outputSize -= outputLeft;
    return inputSize == 0;
  }

 private:
  iconv_t handle_;
};

bool IsUnicodeSpace(wchar_t c) {
  return (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F;
}

// A text of the locale's character set in the program's code page. Empty when a character has
// no place there, so that the English default stands rather than a mangled name. Spaces the code
// page lacks become its no-break space: they separate digit groups that must stay together.
std::string ToCodePage(std::string_view text, const char* characterSet) {
  TConversion toWide("WCHAR_T", characterSet);
  TConversion toCodePage("WINDOWS-1252", "WCHAR_T");
  if (!toWide.IsOpen() || !toCodePage.IsOpen()) return {};
  std::string input(text);
  std::wstring wide(input.size(), L'\0');
  std::size_t wideBytes = wide.size() * sizeof(wchar_t);
  if (!toWide.Convert(input.data(), input.size(), reinterpret_cast<char*>(wide.data()),
                      wideBytes)) {
    return {};
  }
  wide.resize(wideBytes / sizeof(wchar_t));
  std::string result;
  for (wchar_t c : wide) {
    char converted = 0;
    std::size_t convertedSize = 1;
    if (toCodePage.Convert(reinterpret_cast<char*>(&c), sizeof c, &converted, convertedSize)) {
      result += converted;
    } else if (IsUnicodeSpace(c)) {
      result += '\xA0';
    } else {
      return {};
    }
  }
  return result;
}

// The categories of one locale together with its character set, freed on leaving scope.
class TLocale {
 public:
  TLocale(int categoryMask, const std::string& name)
      : handle_(newlocale(categoryMask | LC_CTYPE_MASK, name.c_str(), locale_t{})) {}
  ~TLocale() {
    if (IsOpen()) freelocale(handle_);
  }
  TLocale(const TLocale&) = delete;
  TLocale& operator=(const TLocale&) = delete;

  bool IsOpen() const { return handle_ != locale_t{}; }

  // A text item in the program's code page; empty when the locale has none.
  std::string Text(nl_item item) const {
    return ToCodePage(nl_langinfo_l(item, handle_), nl_langinfo_l(CODESET, handle_));
  }

  // A small number item; -1 when the locale leaves it open.
  int Number(nl_item item) const {
    char value = *nl_langinfo_l(item, handle_);
    return value == CHAR_MAX ? -1 : value;
  }

 private:
  locale_t handle_;
};

void SetText(std::string& field, const std::string& text) {
  if (!text.empty()) field = text;
}

void SetChar(char& field, const std::string& text) {
  if (text.size() == 1) field = text.front();
}

// The C locale's date and time formats are placeholders, not anybody's choice: it gives the
// defaults.
bool IsCLocale(std::string_view name) {
  return name == "C" || name == "POSIX" || name.starts_with("C.");
}

// Rewrites one strftime conversion in the platform's format letters; null when there is none.
const char* FormatLetters(char conversion) {
  switch (conversion) {
    case 'd':
      return "dd";
    case 'e':
      return "d";
    case 'm':
      return "MM";
    case 'Y':
      return "yyyy";
    case 'y':
      return "yy";
    case 'b':
    case 'h':
      return "MMM";
    case 'B':
      return "MMMM";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    case 'H':
    case 'I':
      return "hh";
    case 'k':
    case 'l':
      return "h";
    case 'M':
      return "mm";
    case 'S':
      return "ss";
    case 'p':
      return "AMPM";
    case 'D':
      return "MM/dd/yy";
    case 'F':
      return "yyyy-MM-dd";
    case 'T':
      return "hh:mm:ss";
    case 'R':
      return "hh:mm";
    case 'r':
      return "hh:mm:ss AMPM";
    case 'n':
    case 't':
      return " ";
    case '%':
      return "%";
    default:
      return nullptr;
  }
}

// A strftime date or time format ("%d.%m.%Y") in the platform's format letters ("dd.MM.yyyy");
// empty when it uses a conversion that has no counterpart. Letters outside conversions are
// quoted so that they stay text.
std::string FromStrftime(std::string_view format) {
  constexpr std::string_view kFlags = "-_0^#EO";
  std::string result;
  for (std::size_t i = 0; i < format.size(); ++i) {
    char c = format[i];
    if (c != '%') {
      bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      result += letter ? std::string{'"', c, '"'} : std::string(1, c);
      continue;
    }
    do {
      ++i;
    } while (i < format.size() && kFlags.find(format[i]) != std::string_view::npos);
    const char* letters = i < format.size() ? FormatLetters(format[i]) : nullptr;
    if (letters == nullptr) return {};
    result += letters;
  }
  return result;
}

// The first character of a format that separates its fields, or 0 when there is none.
char FieldSeparator(std::string_view format) {
  for (char c : format) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && c != '"' && c != ' ') return c;
  }
  return 0;
}

void ReadNumeric(const TLocale& locale, TFormatSettings& settings) {
  SetChar(settings.DecimalSeparator, locale.Text(RADIXCHAR));
  SetChar(settings.ThousandSeparator, locale.Text(THOUSEP));
}

// The system's code for where the sign goes, by whether the symbol precedes the amount, whether a
// space separates them, and the locale's sign position (0 parentheses, 1 before all, 2 after all,
// 3 right before the symbol, 4 right after it).
constexpr std::uint8_t kNegativeFormats[2][2][5] = {
    {{4, 5, 7, 6, 7}, {15, 8, 10, 13, 10}},
    {{0, 1, 3, 1, 2}, {14, 9, 11, 9, 12}},
};

void ReadMonetary(const TLocale& locale, TFormatSettings& settings) {
  SetText(settings.CurrencyString, locale.Text(CURRENCY_SYMBOL));
  int decimals = locale.Number(FRAC_DIGITS);
  if (decimals >= 0) settings.CurrencyDecimals = static_cast<std::uint8_t>(decimals);
  int precedes = locale.Number(P_CS_PRECEDES);
  int spaced = locale.Number(P_SEP_BY_SPACE);
  if (precedes >= 0 && precedes <= 1 && spaced >= 0) {
    settings.CurrencyFormat = static_cast<std::uint8_t>((precedes ? 0 : 1) + (spaced ? 2 : 0));
  }
  precedes = locale.Number(N_CS_PRECEDES);
  spaced = locale.Number(N_SEP_BY_SPACE);
  int signPosition = locale.Number(N_SIGN_POSN);
  if (precedes >= 0 && precedes <= 1 && spaced >= 0 && signPosition >= 0 && signPosition <= 4) {
    settings.NegCurrFormat = kNegativeFormats[precedes][spaced ? 1 : 0][signPosition];
  }
}

void ReadTime(const TLocale& locale, TFormatSettings& settings) {
  std::string dateFormat = FromStrftime(locale.Text(D_FMT));
  SetText(settings.ShortDateFormat, dateFormat);
  if (char separator = FieldSeparator(dateFormat)) settings.DateSeparator = separator;
  std::string timeFormat = FromStrftime(locale.Text(T_FMT));
  if (!timeFormat.empty()) {
    bool leadingZero = timeFormat.find("hh") != std::string::npos;
    bool twelveHour = timeFormat.find("AMPM") != std::string::npos;
    settings.ShortTimeFormat = TimeFormat(leadingZero, twelveHour, false);
    settings.LongTimeFormat = TimeFormat(leadingZero, twelveHour, true);
  }
  if (char separator = FieldSeparator(timeFormat)) settings.TimeSeparator = separator;
  SetText(settings.TimeAMString, locale.Text(AM_STR));
  SetText(settings.TimePMString, locale.Text(PM_STR));
  for (int month = TMonthNames::First; month <= TMonthNames::Last; ++month) {
    nl_item offset = month - TMonthNames::First;
    SetText(settings.ShortMonthNames[month], locale.Text(ABMON_1 + offset));
    SetText(settings.LongMonthNames[month], locale.Text(MON_1 + offset));
  }
  for (int day = TDayNames::First; day <= TDayNames::Last; ++day) {
    nl_item offset = day - TDayNames::First;
    SetText(settings.ShortDayNames[day], locale.Text(ABDAY_1 + offset));
    SetText(settings.LongDayNames[day], locale.Text(DAY_1 + offset));
  }
}

// Reads one category of the named locale into the settings; the defaults stay for a category
// whose locale is the C locale or not installed.
void ReadCategory(int categoryMask, const std::string& name,
                  void (*read)(const TLocale&, TFormatSettings&), TFormatSettings& settings) {
  if (IsCLocale(name)) return;
  TLocale locale(categoryMask, name);
  if (locale.IsOpen()) read(locale, settings);
}

TFormatSettings ReadLocales(const std::string& numeric, const std::string& monetary,
                            const std::string& time) {
  TFormatSettings settings;
  ReadCategory(LC_NUMERIC_MASK, numeric, ReadNumeric, settings);
  ReadCategory(LC_MONETARY_MASK, monetary, ReadMonetary, settings);
  ReadCategory(LC_TIME_MASK, time, ReadTime, settings);
  return settings;
}

// The locale that the environment chooses for one category, as the C library would.
std::string EnvironmentLocale(const char* categoryVariable) {
  for (const char* variable : {"LC_ALL", categoryVariable, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

}  // namespace

void LoadFormatSettings() {
  FormatSettings() = ReadLocales(EnvironmentLocale("LC_NUMERIC"), EnvironmentLocale("LC_MONETARY"),
                                 EnvironmentLocale("LC_TIME"));
}

bool LoadFormatSettings(const std::string& localeName) {
  if (!IsCLocale(localeName) && !TLocale(LC_ALL_MASK, localeName).IsOpen()) return false;
  FormatSettings() = ReadLocales(localeName, localeName, localeName);
  return true;
}

}  // namespace qp
