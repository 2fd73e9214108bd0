#pragma once
// The one creation pattern of the standard-control elements: take the next
// identifier, create the control as a child of the parent's window and
// subclass it with the library's window procedure.
#include <windows.h>

namespace Tarvex {

class GUIElement;

// Returns the new window (also stored in element.window), or null.
HWND CreateStandardControl(GUIElement& element, const wchar_t* className, DWORD style, DWORD exStyle);
// Tooltip and font, applied once the control exists.
void FinishStandardControl(GUIElement& element);

}  // namespace Tarvex
