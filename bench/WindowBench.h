#pragma once
// What the in-process window benchmarks share: a real game window with the
// exit question and the sounds replaced (no box waits for a person, no
// sound device is timed), a message pump, presses and clicks delivered as the
// window procedure receives them, and a high-resolution clock.
#include <windows.h>

#include "tests/win/MessagePump.h"

#include "game/FormMain.h"
#include "support/Desktop.h"
#include "widgets/Button.h"
#include "widgets/ImageFrame.h"

namespace Bench {

inline bool AnswerNo(const std::string&, const std::string&) { return false; }
inline void NoSound(int) {}

// Replaces the two desktop seams for its lifetime.
class QuietDesktop {
 public:
  QuietDesktop()
      : previousQuestion(Tarvex::ReplaceAskYesNo(AnswerNo)), previousSound(Tarvex::ReplacePlayWave(NoSound)) {}
  ~QuietDesktop() {
    Tarvex::ReplaceAskYesNo(previousQuestion);
    Tarvex::ReplacePlayWave(previousSound);
  }
  QuietDesktop(const QuietDesktop&) = delete;
  QuietDesktop& operator=(const QuietDesktop&) = delete;

 private:
  Tarvex::AskYesNoFunction previousQuestion;
  Tarvex::PlayWaveFunction previousSound;
};

using zorvik_test::Pump;

inline double Milliseconds() {
  static const double perMillisecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / perMillisecond;
}

// A left press and release on a board cell, as its window receives them.
inline void PressCell(MyGame::FormMain* form, int index) {
  HWND cell = form->cells[index]->window;
  SendMessageW(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 13));
  SendMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(13, 13));
}

// A button's click as its parent receives it.
inline void Click(HWND parent, Tarvex::Button* button) {
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED), reinterpret_cast<LPARAM>(button->window));
}

// Paints, before returning, everything of the window and its children that
// is waiting to be painted.
inline void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace Bench
