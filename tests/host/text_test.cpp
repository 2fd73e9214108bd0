#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "support/Text.h"

using namespace Tarvex;

TEST(Text, ToWideMapsEveryByteToTheSameCodePointAndStopsAtNul) {
  const std::string degree = "\xB0 Punteggio ";
  std::wstring wide = ToWide(degree);
  ASSERT_EQ(wide.size(), 12u);
  EXPECT_EQ(wide[0], 0x00B0);
  EXPECT_EQ(ToNarrow(wide), degree);

  EXPECT_EQ(ToWide(std::string("ab\0cd", 5)), L"ab");
  EXPECT_EQ(ToWide("\xE8\xFF"), std::wstring({wchar_t(0xE8), wchar_t(0xFF)}));
  EXPECT_EQ(ToWide(""), L"");
}

TEST(Text, ToNarrowKeepsTheLowByteAndTheLength) {
  EXPECT_EQ(ToNarrow(std::wstring(1, wchar_t(0x0141))), "?");
  EXPECT_EQ(ToNarrow(std::wstring(1, wchar_t(0x00C8))), "\xC8");
  std::wstring withNul({L'a', L'\0', L'b'});
  EXPECT_EQ(ToNarrow(withNul), std::string("a\0b", 3));
}

TEST(Text, ToNarrowIsExactUpToU00FFAndWritesAQuestionMarkAbove) {
  for (unsigned code = 0; code <= 0xFF; ++code)
    EXPECT_EQ(ToNarrow(std::wstring(1, wchar_t(code))), std::string(1, char(code))) << code;

  // Each of these once lost its high byte: U+010A became a line feed, U+010C
  // a form feed, U+010D a carriage return, and the Cyrillic letters of
  // BЖЕНЯ the bytes 0x16, 0x15, 0x1D and a slash.
  const struct {
    std::wstring wide;
    std::string narrow;
  } cases[] = {
      {{wchar_t(0x010A), wchar_t(0x010C), wchar_t(0x010D)}, "???"},
      {{L'B', wchar_t(0x0416), wchar_t(0x0415), wchar_t(0x041D), wchar_t(0x042F)}, "B????"},
      {{wchar_t(0x0100), wchar_t(0x0141), wchar_t(0x4E1C), wchar_t(0xFFFF)}, "????"},
      {{wchar_t(0xD83D), wchar_t(0xDE00)}, "??"},  // one character outside the BMP: two code units
      {{L'N', L'I', L'C', L'O', L'L', wchar_t(0x00D2)}, "NICOL\xD2"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToNarrow(c.wide), c.narrow);
}

TEST(Text, PrintableLatin1) {
  const struct {
    unsigned character;
    bool printable;
  } cases[] = {
      {0x00, false}, {0x0A, false}, {0x1F, false}, {0x20, true},   {0x41, true},   {0x7E, true},
      {0x7F, false}, {0x80, false}, {0x85, false}, {0x9F, false},  {0xA0, true},   {0xD2, true},
      {0xFF, true},  {0x100, false}, {0x178, false}, {0x416, false}, {0x4E1C, false}, {0xD83D, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPrintableLatin1(c.character), c.printable) << std::hex << c.character;
}

TEST(Text, ReplaceAll) {
  struct Case { const char* text; const char* pattern; const char* replacement; const char* expected; };
  const Case cases[] = {
      {"http://www.example.it", "http://www.", "info@", "info@example.it"},
      {"abcabc", "b", "XY", "aXYcaXYc"},
      {"nothing here", "zz", "y", "nothing here"},
      {"", "a", "b", ""},
      {"aaa", "a", "", ""},
      {"keep", "", "x", "keep"},  // an empty pattern must not loop
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected) << c.text << " / " << c.pattern;
}

TEST(Text, ZeroPad) {
  struct Case { int value; int width; const char* expected; };
  const Case cases[] = {
      {42, 8, "00000042"}, {123456789, 8, "123456789"}, {7, 2, "07"}, {0, 5, "00000"},
      {100, 2, "100"},     {123456, 5, "123456"},       {5, 0, "5"},
      {-5, 5, "000-5"},  // as a stream fills: before the sign
  };
  for (const Case& c : cases) EXPECT_EQ(ZeroPad(c.value, c.width), c.expected) << c.value;
}

TEST(Text, PadRightNeverCuts) {
  EXPECT_EQ(PadRight("ANNA", ' ', 12), "ANNA        ");
  EXPECT_EQ(PadRight("", ' ', 12), std::string(12, ' '));
  EXPECT_EQ(PadRight("ABCDEFGHIJKL", ' ', 12), "ABCDEFGHIJKL");
  EXPECT_EQ(PadRight("ABCDEFGHIJKLMN", '.', 12), "ABCDEFGHIJKLMN");
}

TEST(Text, Int64ToTextIsTheSameOnEveryPlatform) {
  struct Case { std::int64_t value; const char* expected; };
  const Case cases[] = {
      {0, "0"},
      {-130, "-130"},
      {120, "120"},
      {std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
      {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
      {4294967296LL, "4294967296"},
  };
  for (const Case& c : cases) EXPECT_EQ(Int64ToText(c.value), c.expected);
}
