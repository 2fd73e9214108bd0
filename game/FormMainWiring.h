#pragma once
// The small functions the game window stores in its elements' callbacks: each
// finds the FormMain the event belongs to and calls one of its operations.
#include <windows.h>

namespace Tarvex {
class GUIElement;
class Timer;
}  // namespace Tarvex

namespace MyGame {

class FormMain;

void WireMainWindowEvents(FormMain* form);
void ForwardLeftButtonDown(Tarvex::GUIElement* element, HWND window, int x, int y);
void ForwardButtonCommand(Tarvex::GUIElement* button);
void ForwardMenuCommand(Tarvex::GUIElement* item);
void ForwardTimerTick(Tarvex::Timer* timer);
void ForwardNameWindowDestroyed(Tarvex::GUIElement* nameWindow);
void ForwardKeyDown(Tarvex::GUIElement* element, unsigned key);
void ForwardCellPainted(Tarvex::GUIElement* cell);
void ForwardLeaderboardChanged(Tarvex::GUIElement* scoresWindow);

}  // namespace MyGame
