#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qp {

// Integers in texts: optional leading blanks (spaces or tabs), an optional sign "+" or "-", then
// decimal digits whose value fits in 32 signed bits, or "$" and hexadecimal digits of up to 32
// bits, which wrap into the signed range ("$FFFFFFFF" is -1). Anything else, trailing blanks and
// the empty text included, is no integer: TryStrToInt answers false and leaves value as it was,
// StrToInt raises EConvertError naming the whole text.
bool TryStrToInt(std::string_view text, std::int32_t& value);
std::int32_t StrToInt(std::string_view text);
std::string IntToStr(std::int64_t value);

// Floating-point numbers in texts, with the decimal separator of FormatSettings().
// FloatToStr writes 15 significant digits without trailing zeros, in fixed notation for decimal
// exponents -5 to 14 ("0.5", "35317") and otherwise as mantissa, "E" and exponent ("1E20",
// "-1.5E-7"); infinities and NaN are "INF", "-INF" and "NAN".
// StrToFloat reads optional blanks, a sign, digits with the decimal separator, an optional
// exponent ("E" or "e", a sign, digits) and optional blanks. Anything else, or a value beyond the
// range of double, is no number: TryStrToFloat answers false and leaves value as it was,
// StrToFloat raises EConvertError naming the whole text.
std::string FloatToStr(double value);
bool TryStrToFloat(std::string_view text, double& value);
double StrToFloat(std::string_view text);

}  // namespace qp
