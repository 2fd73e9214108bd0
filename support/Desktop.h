#pragma once
// The two desktop services the game asks for besides windows: the yes/no
// question over a window and playing a WAVE resource of the program. Tests
// replace them (one function pointer each) so that no box waits for a person
// and sounds can be counted; the program always uses the real ones.
#include <windows.h>

#include <string>

namespace Tarvex {

// Asks over `owner`, which is disabled while the box is open and comes back
// to the front when it is answered.
bool AskYesNo(HWND owner, const std::string& caption, const std::string& question);
void PlayWaveResource(int resourceId);

using AskYesNoFunction = bool (*)(const std::string& caption, const std::string& question);
using PlayWaveFunction = void (*)(int resourceId);
AskYesNoFunction ReplaceAskYesNo(AskYesNoFunction replacement);
PlayWaveFunction ReplacePlayWave(PlayWaveFunction replacement);

}  // namespace Tarvex
