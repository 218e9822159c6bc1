#include "platform/system/FormatSettings.h"

namespace qp {

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

std::string TimeFormat(bool leadingZero, bool twelveHour, bool withSeconds) {
  std::string format = leadingZero ? "hh:mm" : "h:mm";
  if (withSeconds) format += ":ss";
  if (twelveHour) format += " AMPM";
  return format;
}

}  // namespace qp
