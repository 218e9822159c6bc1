#include "platform/system/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/core/Exceptions.h"

namespace qp {
namespace {

using namespace std::chrono;

constexpr sys_days kDayZero{year{1899} / December / 30};
constexpr sys_days kFirstDay{year{1} / January / 1};
constexpr sys_days kLastDay{year{9999} / December / 31};

TDateTime FromSysDays(sys_days day) {
  return static_cast<TDateTime>((day - kDayZero).count());
}

// The local wall-clock reading of a moment, put on the system clock's scale.
sys_seconds LocalWallClock(sys_seconds moment) {
  std::time_t time = system_clock::to_time_t(moment);
  // The program reads the clock from its user-interface thread only, which makes localtime's
  // shared result safe.
  const std::tm* local = std::localtime(&time);
  if (local == nullptr) return moment;
  year_month_day localDay{year{local->tm_year + 1900},
                          month{static_cast<unsigned>(local->tm_mon + 1)},
                          day{static_cast<unsigned>(local->tm_mday)}};
  return sys_days{localDay} + hours{local->tm_hour} + minutes{local->tm_min} +
         seconds{local->tm_sec};
}

}  // namespace

TDateTime Now() {
  auto now = system_clock::now();
  auto wholeSeconds = floor<seconds>(now);
  auto sinceDayZero = LocalWallClock(wholeSeconds) - kDayZero + (now - wholeSeconds);
  return duration<double, days::period>(sinceDayZero).count();
}

TDateTime Date() {
  return std::trunc(Now());
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  year_month_day calendarDay{std::chrono::year{year},
                             std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
  if (!calendarDay.ok()) return false;
  date = FromSysDays(sys_days{calendarDay});
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) {
    throw EConvertError("Ung\xFCltiges Argument f\xFCr Datumskodierung");
  }
  return date;
}

TCalendarDate DecodeDate(TDateTime date) {
  if (!(date > FromSysDays(kFirstDay) - 1 && date < FromSysDays(kLastDay) + 1)) return {};
  year_month_day calendarDay{kDayZero + days{static_cast<int>(std::trunc(date))}};
  return {static_cast<int>(calendarDay.year()), static_cast<int>(unsigned{calendarDay.month()}),
          static_cast<int>(unsigned{calendarDay.day()})};
}

}  // namespace qp
