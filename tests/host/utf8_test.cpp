// Paths as UTF-8: every wide path has a UTF-8 form that gives it back.
#include <gtest/gtest.h>

#include <string>

#include "support/Utf8.h"

using namespace Tarvex;

namespace {

// A character outside the BMP as the platform's wide text holds it: a
// surrogate pair where wchar_t has 16 bits, one unit where it has 32.
std::wstring Astral(char32_t code) {
  if (sizeof(wchar_t) == 2) {
    code -= 0x10000;
    return {wchar_t(0xD800 + (code >> 10)), wchar_t(0xDC00 + (code & 0x3FF))};
  }
  return std::wstring(1, wchar_t(code));
}

}  // namespace

TEST(Utf8, WideAndUtf8GiveEachOtherBack) {
  const struct {
    std::wstring wide;
    std::string utf8;
  } cases[] = {
      {L"", ""},
      {L"C:\\users\\root\\AppData\\Local", "C:\\users\\root\\AppData\\Local"},
      {L"Jos\u00E9", "Jos\xC3\xA9"},
      {L"\u0141ukasz", "\xC5\x81ukasz"},
      {L"\u0414\u043C\u0438\u0442\u0440\u0438\u0439", "\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9"},
      {L"\u6771\u4EAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},
      {std::wstring(1, wchar_t(0x7FF)) + wchar_t(0x800) + wchar_t(0xFFFF), "\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"},
      {Astral(0x1F600), "\xF0\x9F\x98\x80"},
      {Astral(0x10FFFF), "\xF4\x8F\xBF\xBF"},
      // Lone surrogates are allowed in Windows names: each keeps three bytes.
      {std::wstring(1, wchar_t(0xD800)) + L"a", "\xED\xA0\x80" "a"},
      {std::wstring(1, wchar_t(0xDFFF)), "\xED\xBF\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromWide(c.wide), c.utf8);
    EXPECT_EQ(WideFromUtf8(c.utf8), c.wide);
  }
}

TEST(Utf8, BytesOutsideAWellFormedSequenceReadAsLatin1) {
  const struct {
    std::string bytes;
    std::wstring wide;
  } cases[] = {
      {"Jos\xE9", L"Jos\u00E9"},                      // a path in the old narrow form
      {"\xC0\xAF", L"\u00C0\u00AF"},                   // overlong '/'
      {"\xC3", L"\u00C3"},                             // cut short at the end
      {"\xE6\x9D" "x", L"\u00E6\u009Dx"},              // cut short before a plain byte
      {"\xF4\x90\x80\x80", L"\u00F4\u0090\u0080\u0080"},  // past U+10FFFF
      {"\xFF\x80", L"\u00FF\u0080"},
  };
  for (const auto& c : cases) EXPECT_EQ(WideFromUtf8(c.bytes), c.wide);
}
