#pragma once
// A calendar time as the window system keeps it, plus a flag for "no time".
#include <cstdint>

namespace Tarvex {

struct DateTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;      // 1..12
  std::uint16_t dayOfWeek = 0;  // 0 Sunday .. 6 Saturday; ignored by every calculation
  std::uint16_t day = 0;        // 1..31
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
  bool empty = true;

  // The current local time; never empty.
  static DateTime Now();

  // Milliseconds from this time to later, negative when later lies before it.
  // 0 when this time is empty or either time is not a valid calendar time.
  std::int64_t MillisecondsSince(DateTime later) const;

  // The time as a Windows file time: 100-nanosecond units since 1 January
  // 1601. Rejects exactly what the window system rejects (years outside
  // 1601..30827, a month, day, hour, minute, second or millisecond out of
  // range, 29 February of a common year); then fileTime is left alone.
  bool ToFileTime(std::int64_t& fileTime) const;
};

}  // namespace Tarvex
