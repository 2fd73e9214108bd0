#include <windows.h>
#include <objbase.h>

#include "support/ComApartment.h"

namespace Tarvex {

ComApartment::ComApartment() {
  // Without OLE1 DDE, as the shell's documentation recommends for a program
  // that calls ShellExecute.
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  // S_FALSE (already initialised the same way) also counts and is balanced.
  initialised = SUCCEEDED(result);
}

ComApartment::~ComApartment() {
  if (initialised) CoUninitialize();
}

}  // namespace Tarvex
