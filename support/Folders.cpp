// The parts of the folder helpers that are the same on every platform.
#include "support/Folders.h"

namespace Tarvex {

namespace {
ShellOpenFunction shellOpenReplacement = nullptr;
}

bool PlatformOpenInShell(const std::string& target);  // Folders_win32.cpp / Folders_posix.cpp

std::string WithTrailingSlash(std::string path) {
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path.push_back(PathSeparator);
  return path;
}

bool OpenInShell(std::string target) {
  if (shellOpenReplacement) return shellOpenReplacement(target);
  return PlatformOpenInShell(target);
}

ShellOpenFunction ReplaceShellOpen(ShellOpenFunction replacement) {
  ShellOpenFunction previous = shellOpenReplacement;
  shellOpenReplacement = replacement;
  return previous;
}

}  // namespace Tarvex
