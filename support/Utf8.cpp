#include "support/Utf8.h"

namespace Tarvex {

namespace {

constexpr char32_t HighSurrogateFirst = 0xD800;
constexpr char32_t LowSurrogateFirst = 0xDC00;
constexpr char32_t SurrogateLast = 0xDFFF;

bool IsHighSurrogate(char32_t unit) { return unit >= HighSurrogateFirst && unit < LowSurrogateFirst; }
bool IsLowSurrogate(char32_t unit) { return unit >= LowSurrogateFirst && unit <= SurrogateLast; }

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF) code = 0xFFFD;  // only a 32-bit wchar_t holds such a value
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

void AppendWide(std::wstring& out, char32_t code) {
  if (code >= 0x10000 && sizeof(wchar_t) == 2) {
    code -= 0x10000;
    out.push_back(static_cast<wchar_t>(HighSurrogateFirst + (code >> 10)));
    out.push_back(static_cast<wchar_t>(LowSurrogateFirst + (code & 0x3FF)));
  } else {
    out.push_back(static_cast<wchar_t>(code));
  }
}

// The code point of the well-formed sequence at utf8[at] and its length, or
// a length of 0. Overlong forms and values past U+10FFFF are not well-formed;
// surrogates are, so that a lone one comes back as it went.
std::size_t Decode(const std::string& utf8, std::size_t at, char32_t& code) {
  const unsigned char lead = static_cast<unsigned char>(utf8[at]);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (at + length > utf8.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = static_cast<unsigned char>(utf8[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF) return 0;
  return length;
}

}  // namespace

std::string Utf8FromWide(const std::wstring& wide) {
  std::string utf8;
  utf8.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t code = static_cast<char32_t>(wide[i]);
    if (IsHighSurrogate(code) && i + 1 < wide.size() && IsLowSurrogate(static_cast<char32_t>(wide[i + 1]))) {
      code = 0x10000 + ((code - HighSurrogateFirst) << 10) + (static_cast<char32_t>(wide[i + 1]) - LowSurrogateFirst);
      ++i;
    }
    AppendUtf8(utf8, code);
  }
  return utf8;
}

std::wstring WideFromUtf8(const std::string& utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    char32_t code = 0;
    const std::size_t length = Decode(utf8, at, code);
    if (length == 0) {
      code = static_cast<unsigned char>(utf8[at]);
      at += 1;
    } else {
      at += length;
    }
    AppendWide(wide, code);
  }
  return wide;
}

}  // namespace Tarvex
