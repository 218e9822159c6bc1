// Feeds arbitrary text to the integer and float readers with either decimal separator and checks
// what must hold for every input: the throwing and the answering forms agree, and whatever was
// read is written back in a form that reads again to the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/core/Exceptions.h"
#include "platform/system/Conversions.h"
#include "platform/system/FormatSettings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckInteger(std::string_view text) {
  std::int32_t value = 0;
  bool read = qp::TryStrToInt(text, value);
  try {
    std::int32_t thrown = qp::StrToInt(text);
    Check(read && thrown == value);
  } catch (const qp::EConvertError&) {
    Check(!read);
  }
  if (!read) return;
  std::int32_t again = 0;
  Check(qp::TryStrToInt(qp::IntToStr(value), again) && again == value);
  double asFloat = 0;
  Check(qp::TryStrToFloat(qp::IntToStr(value), asFloat) && asFloat == value);
}

void CheckFloat(std::string_view text) {
  double value = 0;
  bool read = qp::TryStrToFloat(text, value);
  try {
    double thrown = qp::StrToFloat(text);
    Check(read && thrown == value);
  } catch (const qp::EConvertError&) {
    Check(!read);
  }
  if (!read) return;
  Check(std::isfinite(value));
  // Fifteen digits of a value above this one round up beyond the range of double.
  constexpr double kLargestFifteenDigitValue = 1.79769313486231e308;
  if (std::fabs(value) > kLargestFifteenDigitValue) return;
  std::string written = qp::FloatToStr(value);
  double again = 0;
  Check(qp::TryStrToFloat(written, again));
  Check(qp::FloatToStr(again) == written);
  Check(std::fabs(again - value) <= std::fabs(value) * 1e-14);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckInteger(text);
  bool separatorFree = text.find_first_of(".,") == std::string_view::npos;
  double withPoint = 0;
  double withComma = 0;
  qp::FormatSettings().DecimalSeparator = '.';
  bool pointRead = qp::TryStrToFloat(text, withPoint);
  CheckFloat(text);
  qp::FormatSettings().DecimalSeparator = ',';
  bool commaRead = qp::TryStrToFloat(text, withComma);
  CheckFloat(text);
  if (separatorFree) Check(pointRead == commaRead && withPoint == withComma);
  return 0;
}
