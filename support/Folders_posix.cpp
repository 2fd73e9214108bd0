// The same helpers on a desktop without the Windows shell: data lives under
// the XDG data folder and links go to xdg-open.
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/Folders.h"

extern char** environ;

namespace Tarvex {

const char PathSeparator = '/';

std::string LocalAppDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && dataHome[0] == '/') return dataHome;
  const char* home = std::getenv("HOME");
  if (!home || !home[0]) return std::string();
  return WithTrailingSlash(home) + ".local/share";
}

bool PathExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

bool EnsureDirectory(std::string path) {
  if (PathExists(path)) return true;
  // Another copy of the program may make it between the check and here.
  return mkdir(path.c_str(), 0777) == 0 || PathExists(path);
}

bool PlatformOpenInShell(const std::string& target) {
  std::string program = "xdg-open";
  char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
  // xdg-open hands the target to the desktop and returns; its status says
  // whether the desktop took it.
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace Tarvex
