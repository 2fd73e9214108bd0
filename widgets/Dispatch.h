#pragma once
// Messages that standard controls send to their parent: commands,
// notifications, owner-draw requests and scrolling. Called by WindowProc;
// each returns true when it answered the message itself (result in *result).
#include <windows.h>

namespace Tarvex {

class GUIElement;

bool DispatchCommand(GUIElement* element, WPARAM wParam, LPARAM lParam, LRESULT* result);
bool DispatchNotify(GUIElement* element, LPARAM lParam, LRESULT* result);
bool DispatchDrawItem(WPARAM wParam, LPARAM lParam, LRESULT* result);
bool DispatchScroll(GUIElement* element, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT* result);
bool DispatchWheel(GUIElement* element, WPARAM wParam, LRESULT* result);

}  // namespace Tarvex
