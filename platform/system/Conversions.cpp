#include "platform/system/Conversions.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

#include "platform/core/Exceptions.h"
#include "platform/system/FormatSettings.h"

namespace qp {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLowestFixedExponent = -5;
constexpr int kHighestFixedExponent = 14;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t SkipBlanks(std::string_view text, std::size_t position) {
  while (position < text.size() && IsBlank(text[position]))
    ++position;
  return position;
}

std::size_t SkipDigits(std::string_view text, std::size_t position) {
  while (position < text.size() && IsDigit(text[position]))
    ++position;
  return position;
}

// The digits after "$" as 32 bits; false when there are none, a non-digit, or more than 32 bits.
bool ParseHexBits(std::string_view digits, std::uint32_t& bits) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit = HexDigitValue(c);
    if (digit < 0) return false;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > std::numeric_limits<std::uint32_t>::max()) return false;
  }
  bits = static_cast<std::uint32_t>(value);
  return true;
}

// Decimal digits as a magnitude; false when there are none, a non-digit, or a value beyond limit.
bool ParseDecimalMagnitude(std::string_view digits, std::uint64_t limit, std::uint64_t& magnitude) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return false;
  }
  magnitude = value;
  return true;
}

[[noreturn]] void RaiseConvertError(std::string_view text, std::string_view kind) {
  throw EConvertError("'" + std::string(text) + "' ist kein g\xFCltiger " + std::string(kind));
}

// The decimal digits of a finite, non-zero magnitude rounded to 15 significant digits, without
// trailing zeros, and the decimal exponent of the first one.
struct TDecimalDigits {
  std::string Digits;
  int Exponent = 0;
};

TDecimalDigits RoundToSignificantDigits(double magnitude) {
  char buffer[32];
  auto written = std::to_chars(buffer, std::end(buffer), magnitude, std::chars_format::scientific,
                               kSignificantDigits - 1);
  std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
  // text is "d.dddddddddddddde+xx" or "d.dddddddddddddde-xx".
  std::size_t exponentMark = text.find('e');
  TDecimalDigits result;
  result.Digits = std::string(1, text[0]) + std::string(text.substr(2, exponentMark - 2));
  result.Digits.erase(result.Digits.find_last_not_of('0') + 1);
  std::string_view exponent = text.substr(exponentMark + 2);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.Exponent);
  if (text[exponentMark + 1] == '-') result.Exponent = -result.Exponent;
  return result;
}

std::string FixedNotation(const TDecimalDigits& number, char separator) {
  if (number.Exponent < 0) {
    return "0" + std::string(1, separator) + std::string(-number.Exponent - 1, '0') + number.Digits;
  }
  std::size_t integerLength = static_cast<std::size_t>(number.Exponent) + 1;
  if (number.Digits.size() <= integerLength) {
    return number.Digits + std::string(integerLength - number.Digits.size(), '0');
  }
  return number.Digits.substr(0, integerLength) + separator + number.Digits.substr(integerLength);
}

std::string ScientificNotation(const TDecimalDigits& number, char separator) {
  std::string mantissa = number.Digits.substr(0, 1);
  if (number.Digits.size() > 1) mantissa += separator + number.Digits.substr(1);
  return mantissa + "E" + IntToStr(number.Exponent);
}

// Checks the text against the number syntax and rewrites it in the form std::from_chars reads:
// no blanks, no "+", "." as separator. False when the text does not follow the syntax.
bool NormaliseFloatText(std::string_view text, char separator, std::string& normalised) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1]))
    --end;
  text = text.substr(0, end);
  std::size_t position = SkipBlanks(text, 0);
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    if (text[position] == '-') normalised += '-';
    ++position;
  }
  std::size_t integerEnd = SkipDigits(text, position);
  normalised += text.substr(position, integerEnd - position);
  bool anyDigit = integerEnd > position;
  position = integerEnd;
  if (position < text.size() && text[position] == separator) {
    std::size_t fractionEnd = SkipDigits(text, position + 1);
    normalised += '.';
    normalised += text.substr(position + 1, fractionEnd - position - 1);
    anyDigit = anyDigit || fractionEnd > position + 1;
    position = fractionEnd;
  }
  if (!anyDigit) return false;
  if (position < text.size() && (text[position] == 'E' || text[position] == 'e')) {
    normalised += 'e';
    ++position;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
      if (text[position] == '-') normalised += '-';
      ++position;
    }
    std::size_t exponentEnd = SkipDigits(text, position);
    if (exponentEnd == position) return false;
    normalised += text.substr(position, exponentEnd - position);
    position = exponentEnd;
  }
  return position == text.size();
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  std::size_t position = SkipBlanks(text, 0);
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  std::string_view rest = text.substr(position);
  if (!rest.empty() && rest.front() == '$') {
    std::uint32_t bits = 0;
    if (!ParseHexBits(rest.substr(1), bits)) return false;
    value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
    return true;
  }
  constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int32_t>::max();
  std::uint64_t magnitude = 0;
  if (!ParseDecimalMagnitude(rest, negative ? kMaxPositive + 1 : kMaxPositive, magnitude)) {
    return false;
  }
  value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                             : static_cast<std::int64_t>(magnitude));
  return true;
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) RaiseConvertError(text, "Integerwert");
  return value;
}

std::string IntToStr(std::int64_t value) {
  char buffer[24];
  auto written = std::to_chars(buffer, std::end(buffer), value);
  return std::string(buffer, written.ptr);
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  char separator = FormatSettings().DecimalSeparator;
  TDecimalDigits number = RoundToSignificantDigits(std::fabs(value));
  std::string sign = value < 0 ? "-" : "";
  if (number.Exponent >= kLowestFixedExponent && number.Exponent <= kHighestFixedExponent) {
    return sign + FixedNotation(number, separator);
  }
  return sign + ScientificNotation(number, separator);
}

bool TryStrToFloat(std::string_view text, double& value) {
  std::string normalised;
  if (!NormaliseFloatText(text, FormatSettings().DecimalSeparator, normalised)) return false;
  double parsed = 0;
  const char* end = normalised.data() + normalised.size();
  auto read = std::from_chars(normalised.data(), end, parsed);
  if (read.ec != std::errc() || read.ptr != end) return false;
  value = parsed;
  return true;
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) RaiseConvertError(text, "Gleitkommawert");
  return value;
}

}  // namespace qp
