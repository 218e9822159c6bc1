#pragma once

namespace qp {

// A point in time as days since 30 December 1899, midnight; the fraction is the time of day.
using TDateTime = double;

struct TCalendarDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;

  bool operator==(const TCalendarDate&) const = default;
};

// Today in local time, as whole days.
TDateTime Date();
// The local date and time.
TDateTime Now();

// The midnight that starts a day of the years 1 to 9999. TryEncodeDate answers false and leaves
// date as it was when no such day exists; EncodeDate raises EConvertError.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);
// The day that a value falls on; a value outside the years 1 to 9999, or not a number, gives
// 0/0/0.
TCalendarDate DecodeDate(TDateTime date);

}  // namespace qp
