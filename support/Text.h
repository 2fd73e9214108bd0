#pragma once
// Narrow text is ISO 8859-1, one byte per character; it becomes wide (one code
// unit per character) only where it meets the window system.
#include <cstdint>
#include <string>

namespace Tarvex {

// What ToNarrow writes for a character that narrow text cannot hold.
constexpr char UnmappedCharacter = '?';

std::wstring ToWide(std::string text);
// One byte per code unit, of the same value up to U+00FF; every code unit
// above (a surrogate too) becomes UnmappedCharacter.
std::string ToNarrow(std::wstring wideText);
// The printable characters of narrow text: U+0020 to U+007E and U+00A0 to
// U+00FF. The others are control characters (C0, DEL, C1) or have no byte.
bool IsPrintableLatin1(unsigned character);
std::string ReplaceAll(std::string text, std::string pattern, std::string replacement);
std::string ZeroPad(int value, int width);
std::string PadRight(std::string text, char fill, std::size_t width);
std::string Int64ToText(std::int64_t value);

}  // namespace Tarvex
