#pragma once
// The user's data folder, folder creation and the shell's "open" action.
// Paths are UTF-8 text (Utf8.h); shell targets are narrow (ISO 8859-1) text.
#include <string>

namespace Tarvex {

// The separator this platform joins folders with: a backslash on Windows.
extern const char PathSeparator;

std::string LocalAppDataFolder();
std::string WithTrailingSlash(std::string path);
bool PathExists(const std::string& path);
bool EnsureDirectory(std::string path);
bool OpenInShell(std::string target);

// Tests replace the shell so that no browser or mail program ever starts.
// Returns the previous replacement; null restores the real shell.
using ShellOpenFunction = bool (*)(const std::string& target);
ShellOpenFunction ReplaceShellOpen(ShellOpenFunction replacement);

}  // namespace Tarvex
