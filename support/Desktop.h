#pragma once
// The desktop services the game asks for besides windows: the task-modal
// yes/no question, playing a WAVE resource of the program and the system's
// default beep. Tests replace them (one function pointer each) so that no box
// waits for a person and sounds can be counted; the program always uses the
// real ones.
#include <string>

namespace Tarvex {

bool AskYesNo(const std::string& caption, const std::string& question);
void PlayWaveResource(int resourceId);
void DefaultBeep();

using AskYesNoFunction = bool (*)(const std::string& caption, const std::string& question);
using PlayWaveFunction = void (*)(int resourceId);
using BeepFunction = void (*)();
AskYesNoFunction ReplaceAskYesNo(AskYesNoFunction replacement);
PlayWaveFunction ReplacePlayWave(PlayWaveFunction replacement);
BeepFunction ReplaceDefaultBeep(BeepFunction replacement);

}  // namespace Tarvex
