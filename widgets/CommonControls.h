#pragma once
// The Windows common controls (comctl32), loaded the first time a window
// needs one rather than with the program. Under Wine loading the library
// costs tens of milliseconds, as it registers all of its window classes,
// and the library uses it only for tooltips, which most windows never have.

namespace Tarvex {

// Loads comctl32 (once) and registers its control classes with
// InitCommonControlsEx, as the library always asks: every class. False when
// the library or the call is not available.
bool InitCommonControlsOnce();

}  // namespace Tarvex
