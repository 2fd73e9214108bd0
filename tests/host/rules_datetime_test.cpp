#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "support/DateTime.h"

#ifdef _WIN32
#include <windows.h>
#endif

using Tarvex::DateTime;

namespace {

DateTime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
  DateTime t;
  t.year = static_cast<std::uint16_t>(year);
  t.month = static_cast<std::uint16_t>(month);
  t.day = static_cast<std::uint16_t>(day);
  t.hour = static_cast<std::uint16_t>(hour);
  t.minute = static_cast<std::uint16_t>(minute);
  t.second = static_cast<std::uint16_t>(second);
  t.milliseconds = static_cast<std::uint16_t>(ms);
  t.empty = false;
  return t;
}

struct FileTimeCase {
  DateTime time;
  bool valid;
  std::int64_t fileTime;  // when valid
};

// Reference values: 1970-01-01 is 116444736000000000 in file time units.
const FileTimeCase kFileTimes[] = {
    {Make(1601, 1, 1), true, 0},
    {Make(1601, 1, 1, 0, 0, 0, 1), true, 10000},
    {Make(1970, 1, 1), true, 116444736000000000LL},
    {Make(2000, 2, 29, 12, 30, 15, 250), true, 125963010152500000LL},
    {Make(2024, 12, 31, 23, 59, 59, 999), true, 133801631999990000LL},
    {Make(30827, 12, 31, 23, 59, 59, 999), true, 9223149887999990000LL},
    {Make(1600, 12, 31, 23, 59, 59, 999), false, 0},
    {Make(30828, 1, 1), false, 0},
    {Make(65535, 1, 1), false, 0},
    {Make(2024, 0, 10), false, 0},
    {Make(2024, 13, 10), false, 0},
    {Make(2024, 1, 0), false, 0},
    {Make(2024, 1, 32), false, 0},
    {Make(2024, 4, 31), false, 0},
    {Make(2023, 2, 29), false, 0},
    {Make(1900, 2, 29), false, 0},
    {Make(2024, 2, 30), false, 0},
    {Make(2024, 5, 5, 24), false, 0},
    {Make(2024, 5, 5, 0, 60), false, 0},
    {Make(2024, 5, 5, 0, 0, 60), false, 0},
    {Make(2024, 5, 5, 0, 0, 0, 1000), false, 0},
};

}  // namespace

TEST(DateTime, FileTimeOfATableOfDates) {
  for (const FileTimeCase& c : kFileTimes) {
    std::int64_t fileTime = -7;
    const bool converted = c.time.ToFileTime(fileTime);
    EXPECT_EQ(converted, c.valid) << c.time.year << "-" << c.time.month << "-" << c.time.day;
    EXPECT_EQ(fileTime, c.valid ? c.fileTime : -7) << c.time.year << "-" << c.time.month << "-" << c.time.day;
  }
}

#ifdef _WIN32
namespace {

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine 8 checks less than Windows: it takes 29 February of any year, and years
// up to 32767. Windows rejects both, and so do we.
bool WineAcceptsWhereWindowsRejects(const DateTime& t) {
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  return (t.month == 2 && t.day == 29 && !leap) || (t.year > 30827 && t.year <= 32767);
}

}  // namespace

TEST(DateTime, FileTimeAgreesWithTheWindowSystem) {
  const bool wine = RunningUnderWine();
  for (const FileTimeCase& c : kFileTimes) {
    if (wine && WineAcceptsWhereWindowsRejects(c.time)) continue;
    for (std::uint16_t dayOfWeek : {0, 3, 9}) {  // the day of the week is ignored, valid or not
      SYSTEMTIME system{};
      system.wYear = c.time.year;
      system.wMonth = c.time.month;
      system.wDayOfWeek = dayOfWeek;
      system.wDay = c.time.day;
      system.wHour = c.time.hour;
      system.wMinute = c.time.minute;
      system.wSecond = c.time.second;
      system.wMilliseconds = c.time.milliseconds;
      FILETIME windows{};
      const bool windowsConverted = SystemTimeToFileTime(&system, &windows) != FALSE;
      DateTime ours = c.time;
      ours.dayOfWeek = dayOfWeek;
      std::int64_t fileTime = 0;
      const bool converted = ours.ToFileTime(fileTime);
      const std::string label = std::to_string(c.time.year) + "-" + std::to_string(c.time.month) + "-" +
                                std::to_string(c.time.day) + " " + std::to_string(c.time.hour) + ":" +
                                std::to_string(c.time.minute) + ":" + std::to_string(c.time.second) + "." +
                                std::to_string(c.time.milliseconds);
      EXPECT_EQ(converted, windowsConverted) << label;
      if (converted && windowsConverted) {
        const auto windowsFileTime =
            static_cast<std::int64_t>((std::uint64_t{windows.dwHighDateTime} << 32) | windows.dwLowDateTime);
        EXPECT_EQ(fileTime, windowsFileTime) << label;
      }
    }
  }
}
#endif

TEST(DateTime, MillisecondsSince) {
  struct Case { const char* what; DateTime from; DateTime later; std::int64_t expected; };
  DateTime empty = Make(2024, 1, 1);
  empty.empty = true;
  const Case cases[] = {
      {"same time", Make(2024, 3, 1, 10), Make(2024, 3, 1, 10), 0},
      {"one millisecond", Make(2024, 3, 1, 10), Make(2024, 3, 1, 10, 0, 0, 1), 1},
      {"over midnight into a leap day", Make(2024, 2, 28, 23, 59, 59, 990), Make(2024, 2, 29, 0, 0, 0, 20), 30},
      {"over a year end", Make(2023, 12, 31, 23, 59, 57), Make(2024, 1, 1, 0, 0, 2, 1), 5001},
      {"backwards", Make(2024, 10, 27, 3, 0, 0), Make(2024, 10, 27, 2, 0, 0, 500), -3599500},
      {"a century", Make(1900, 1, 1), Make(2000, 1, 1), 3155673600000LL},
      {"empty start", empty, Make(2024, 1, 2), 0},
      {"unconvertible later", Make(2024, 1, 1), Make(2024, 2, 30), 0},
      {"unconvertible start", Make(2024, 13, 1), Make(2024, 1, 2), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.from.MillisecondsSince(c.later), c.expected) << c.what;
  EXPECT_EQ(DateTime{}.MillisecondsSince(Make(2024, 1, 1)), 0) << "a default time is empty";
}

TEST(DateTime, NowIsAValidLocalTime) {
  const std::time_t before = std::time(nullptr);
  const DateTime now = DateTime::Now();
  EXPECT_FALSE(now.empty);
  std::int64_t fileTime = 0;
  EXPECT_TRUE(now.ToFileTime(fileTime));
  EXPECT_LE(now.dayOfWeek, 6);
  EXPECT_GE(now.year, 2020);
  // Two readings a moment apart are close together and in order.
  const DateTime later = DateTime::Now();
  const std::int64_t elapsed = now.MillisecondsSince(later);
  EXPECT_GE(elapsed, 0);
  EXPECT_LT(elapsed, 5000);
  // The local date agrees with the C runtime's (unless midnight passed in between).
  const std::time_t after = std::time(nullptr);
  const std::tm* local = std::localtime(&after);
  if (std::localtime(&before)->tm_mday == local->tm_mday) {
    EXPECT_EQ(now.day, local->tm_mday);
    EXPECT_EQ(now.month, local->tm_mon + 1);
    EXPECT_EQ(now.dayOfWeek, local->tm_wday);
  }
}
