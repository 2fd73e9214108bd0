#pragma once
// File and folder paths travel through the program as UTF-8, whatever the
// platform: on POSIX that is what the file calls take, and on Windows a path
// becomes wide (UTF-16) text again at every file call. Narrow ISO 8859-1
// text (Text.h) cannot hold a user folder named "Дмитрий" or "Łukasz".
#include <string>

namespace Tarvex {

// Every wide string, even one with a lone surrogate (which Windows allows in
// names), has its own UTF-8 form: a lone surrogate is written as its own
// three bytes, so that WideFromUtf8 gives the very same code units back.
std::string Utf8FromWide(const std::wstring& wide);

// The inverse of Utf8FromWide. A byte that does not start a well-formed
// sequence stands for the ISO 8859-1 character of its value, as narrow text
// always did, so a path written in that form still finds its file.
std::wstring WideFromUtf8(const std::string& utf8);

}  // namespace Tarvex
