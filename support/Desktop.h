#pragma once
// The desktop services the game asks for besides windows: the yes/no
// question over a window, playing a WAVE resource of the program and the
// system's default beep. Tests replace them (one function pointer each) so
// that no box waits for a person and sounds can be counted; the program
// always uses the real ones.
#include <windows.h>

#include <string>

namespace Tarvex {

// Asks over `owner`, which is disabled while the box is open and comes back
// to the front when it is answered.
bool AskYesNo(HWND owner, const std::string& caption, const std::string& question);
void PlayWaveResource(int resourceId);
void DefaultBeep();

using AskYesNoFunction = bool (*)(const std::string& caption, const std::string& question);
using PlayWaveFunction = void (*)(int resourceId);
using BeepFunction = void (*)();
AskYesNoFunction ReplaceAskYesNo(AskYesNoFunction replacement);
PlayWaveFunction ReplacePlayWave(PlayWaveFunction replacement);
BeepFunction ReplaceDefaultBeep(BeepFunction replacement);

}  // namespace Tarvex
