#include "widgets/CommonControls.h"

#include <commctrl.h>

namespace Tarvex {

bool InitCommonControlsOnDemand(DWORD classes) {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const InitFunction initialise = [] {
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    return library != nullptr
               ? reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))
               : nullptr;
  }();
  if (initialise == nullptr) return false;
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = classes;
  return initialise(&controls) != FALSE;
}

}  // namespace Tarvex
