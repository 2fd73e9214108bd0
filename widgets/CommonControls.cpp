#include "widgets/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace Tarvex {

bool InitCommonControlsOnce() {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static InitFunction initialise = [] {
    // Kept loaded for the rest of the process, as a linked library would be.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    return library != nullptr
               ? reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))
               : nullptr;
  }();
  if (initialise == nullptr) return false;
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = 0xFF;
  return initialise(&controls) != FALSE;
}

}  // namespace Tarvex
