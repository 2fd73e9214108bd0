#include <windows.h>
#include <mmsystem.h>

#include "support/Desktop.h"

namespace Tarvex {

namespace {
AskYesNoFunction askReplacement = nullptr;
PlayWaveFunction playReplacement = nullptr;
BeepFunction beepReplacement = nullptr;
}  // namespace

bool AskYesNo(HWND owner, const std::string& caption, const std::string& question) {
  if (askReplacement) return askReplacement(caption, question);
  // Owned by the window that asks: the box disables it while open and enables
  // it again before going away, so Windows gives the activation back to it
  // rather than to another program. Timer ticks go on behind the box.
  return MessageBoxA(owner, question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) ==
         IDYES;
}

void PlayWaveResource(int resourceId) {
  if (playReplacement) return playReplacement(resourceId);
  // Asynchronous, so a press never waits for its sound; a new sound cuts the
  // one playing, and a missing resource plays nothing rather than a beep.
  PlaySoundW(MAKEINTRESOURCEW(resourceId), GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}

void DefaultBeep() {
  if (beepReplacement) return beepReplacement();
  MessageBeep(MB_OK);  // the sound the user chose as "Default Beep"
}

AskYesNoFunction ReplaceAskYesNo(AskYesNoFunction replacement) {
  AskYesNoFunction previous = askReplacement;
  askReplacement = replacement;
  return previous;
}

PlayWaveFunction ReplacePlayWave(PlayWaveFunction replacement) {
  PlayWaveFunction previous = playReplacement;
  playReplacement = replacement;
  return previous;
}

BeepFunction ReplaceDefaultBeep(BeepFunction replacement) {
  BeepFunction previous = beepReplacement;
  beepReplacement = replacement;
  return previous;
}

}  // namespace Tarvex
