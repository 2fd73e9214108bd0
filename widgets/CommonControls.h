#pragma once
// The Windows common controls (comctl32), loaded the first time a window
// needs one rather than with the program. Under Wine loading the library
// costs tens of milliseconds, as it registers all of its window classes,
// and the library needs it only for tooltips and list views, which the game
// window does not have.
#include <windows.h>

namespace Tarvex {

// Loads comctl32 (once, kept for the process) and registers the control
// classes `classes` (ICC_ flags of InitCommonControlsEx). False when the
// library or the call is not available.
bool InitCommonControlsOnDemand(DWORD classes);

}  // namespace Tarvex
