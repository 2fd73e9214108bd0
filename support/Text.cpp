#include "support/Text.h"

#include <cinttypes>
#include <cstdio>

namespace Tarvex {

std::wstring ToWide(std::string text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char c : text) {
    if (c == '\0') break;
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  }
  return wide;
}

std::string ToNarrow(std::wstring wideText) {
  // A code unit past U+00FF has no byte of its own. Keeping only its low
  // byte would turn letters into others, or into control characters that
  // break a leaderboard line (U+010A into a line feed); the system's own
  // conversion writes its default character instead, and so does this one.
  std::string narrow;
  narrow.reserve(wideText.size());
  for (wchar_t unit : wideText) {
    const auto code = static_cast<unsigned long>(unit);
    narrow.push_back(code <= 0xFFu ? static_cast<char>(code) : UnmappedCharacter);
  }
  return narrow;
}

bool IsPrintableLatin1(unsigned character) {
  return (character >= 0x20 && character <= 0x7E) || (character >= 0xA0 && character <= 0xFF);
}

std::string ReplaceAll(std::string text, std::string pattern, std::string replacement) {
  // An empty pattern would match forever; callers never pass one, but a
  // helper must not hang on it either.
  if (pattern.empty()) return text;
  for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern))
    text.replace(at, pattern.size(), replacement);
  return text;
}

std::string ZeroPad(int value, int width) {
  // The same text a narrow stream gives with that width and "0" as fill (the
  // fill goes before a sign), without building a stream for every call: the
  // score display is refreshed once per opened cell.
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value);
  std::string text(digits);
  if (width > 0 && text.size() < static_cast<std::size_t>(width)) text.insert(0, width - text.size(), '0');
  return text;
}

std::string PadRight(std::string text, char fill, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), fill);
  return text;
}

std::string Int64ToText(std::int64_t value) {
  // PRId64 is the platform's own 64-bit conversion ("I64d" with the Microsoft
  // runtime, "ld"/"lld" elsewhere); the text is the same on every platform.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%" PRId64, value);
  return buffer;
}

}  // namespace Tarvex
