#include "support/DateTime.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace Tarvex {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1 January 1601 to the given date of the Gregorian calendar.
std::int64_t DaysSince1601(int year, int month, int day) {
  const std::int64_t y = year - 1601;
  std::int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  return days + day - 1;
}

}  // namespace

bool DateTime::ToFileTime(std::int64_t& fileTime) const {
  if (year < 1601 || year > 30827) return false;
  if (month < 1 || month > 12) return false;
  if (day < 1 || day > DaysInMonth(year, month)) return false;
  if (hour > 23 || minute > 59 || second > 59 || milliseconds > 999) return false;
  const std::int64_t seconds =
      DaysSince1601(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  fileTime = seconds * 10000000 + std::int64_t{milliseconds} * 10000;
  return true;
}

std::int64_t DateTime::MillisecondsSince(DateTime later) const {
  if (empty) return 0;
  std::int64_t from = 0;
  std::int64_t to = 0;
  // An unconvertible start has no defined value either: it gives 0 like an
  // unconvertible end, rather than a difference from garbage.
  if (!ToFileTime(from) || !later.ToFileTime(to)) return 0;
  return (to - from) / 10000;
}

DateTime DateTime::Now() {
  DateTime now;
#ifdef _WIN32
  SYSTEMTIME local;
  GetLocalTime(&local);
  now.year = local.wYear;
  now.month = local.wMonth;
  now.dayOfWeek = local.wDayOfWeek;
  now.day = local.wDay;
  now.hour = local.wHour;
  now.minute = local.wMinute;
  now.second = local.wSecond;
  now.milliseconds = local.wMilliseconds;
#else
  timespec clock{};
  clock_gettime(CLOCK_REALTIME, &clock);
  tm local{};
  localtime_r(&clock.tv_sec, &local);
  now.year = static_cast<std::uint16_t>(local.tm_year + 1900);
  now.month = static_cast<std::uint16_t>(local.tm_mon + 1);
  now.dayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
  now.day = static_cast<std::uint16_t>(local.tm_mday);
  now.hour = static_cast<std::uint16_t>(local.tm_hour);
  now.minute = static_cast<std::uint16_t>(local.tm_min);
  // A leap second (60) is held at 59, as the window system's clock never shows it.
  now.second = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
  now.milliseconds = static_cast<std::uint16_t>(clock.tv_nsec / 1000000);
#endif
  now.empty = false;
  return now;
}

}  // namespace Tarvex
