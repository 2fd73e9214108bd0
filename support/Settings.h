#pragma once
// The player's own choices, kept per user between runs: on Windows as DWORD
// values under HKEY_CURRENT_USER\<key>. A value that is missing or not a
// plain 0 or 1 reads as the fallback, so a damaged setting never takes a
// choice away from the player.
#include <string>

namespace Tarvex {

bool ReadSwitchSetting(const std::string& key, const std::string& valueName, bool fallback);
// True when the value was stored.
bool WriteSwitchSetting(const std::string& key, const std::string& valueName, bool on);

}  // namespace Tarvex
