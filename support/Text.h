#pragma once
// Narrow text is ISO 8859-1, one byte per character; it becomes wide (one code
// unit per character) only where it meets the window system.
#include <cstdint>
#include <string>

namespace Tarvex {

std::wstring ToWide(std::string text);
std::string ToNarrow(std::wstring wideText);
std::string ReplaceAll(std::string text, std::string pattern, std::string replacement);
std::string ZeroPad(int value, int width);
std::string PadRight(std::string text, char fill, std::size_t width);
std::string Int64ToText(std::int64_t value);

}  // namespace Tarvex
