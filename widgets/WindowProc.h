#pragma once
// The library's one window procedure and the state it keeps across messages.
#include <windows.h>

namespace Tarvex {

class Form;
class PanelChildren;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

extern HWND mainWindow;
extern Form* activeForm;
extern PanelChildren* activePanel;
extern PanelChildren* wheelPanel;
extern bool mouseTracking;
extern bool globalBusy;
extern bool keepDisplayAwake;
extern HCURSOR waitCursorHandle;
extern HCURSOR handCursorHandle;

// The system's arrow cursor for window classes, loaded once: under Wine each
// load of a system cursor asks the window server several times.
HCURSOR ArrowCursor();

}  // namespace Tarvex
