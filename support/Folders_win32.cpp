#include <windows.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include "support/Folders.h"
#include "support/Text.h"

namespace Tarvex {

const char PathSeparator = '\\';

std::string LocalAppDataFolder() {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer))) return std::string();
  return ToNarrow(buffer);
}

bool PathExists(const std::string& path) { return _access(path.c_str(), 0) == 0; }

bool EnsureDirectory(std::string path) {
  if (PathExists(path)) return true;
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool PlatformOpenInShell(const std::string& target) {
  HINSTANCE result = ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr, SW_SHOW);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace Tarvex
