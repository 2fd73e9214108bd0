#include <windows.h>

#include "support/Settings.h"
#include "support/Text.h"

namespace Tarvex {

bool ReadSwitchSetting(const std::string& key, const std::string& valueName, bool fallback) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  // RegGetValueW with RRF_RT_REG_DWORD refuses any other type or size.
  const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, ToWide(key).c_str(), ToWide(valueName).c_str(),
                                      RRF_RT_REG_DWORD, &type, &value, &size);
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return fallback;
  if (value == 0) return false;
  if (value == 1) return true;
  return fallback;
}

bool WriteSwitchSetting(const std::string& key, const std::string& valueName, bool on) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, ToWide(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                      nullptr, &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD value = on ? 1 : 0;
  const LSTATUS status = RegSetValueExW(handle, ToWide(valueName).c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

}  // namespace Tarvex
