#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "support/Folders.h"
#include "support/Text.h"
#include "support/Utf8.h"

namespace Tarvex {

const char PathSeparator = '\\';

std::string LocalAppDataFolder() {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer))) return std::string();
  return Utf8FromWide(buffer);
}

// Only the wide calls reach every name: the ANSI ones go through the
// system code page, which lacks most letters of most names.
bool PathExists(const std::string& path) {
  return GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool EnsureDirectory(std::string path) {
  if (PathExists(path)) return true;
  // Another copy of the program may make it between the check and here.
  return CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) != FALSE || PathExists(path);
}

bool PlatformOpenInShell(const std::string& target) {
  HINSTANCE result = ShellExecuteW(nullptr, L"open", ToWide(target).c_str(), nullptr, nullptr, SW_SHOW);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace Tarvex
