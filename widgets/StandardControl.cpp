#include "widgets/StandardControl.h"

#include "widgets/FontSpec.h"
#include "widgets/GUIElement.h"
#include "widgets/WindowProc.h"

namespace Tarvex {

HWND CreateStandardControl(GUIElement& element, const wchar_t* className, DWORD style, DWORD exStyle) {
  element.id = ++nextId;
  HWND parentWindow = element.parent ? element.parent->window : nullptr;
  element.window = CreateWindowExW(exStyle, className, element.text.c_str(), style, element.x, element.y,
                                   element.width, element.height, parentWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(element.id)), nullptr, nullptr);
  if (element.window == nullptr) {
    // Nothing is reported: the element simply shows less.
    (void)GetLastError();
    return nullptr;
  }
  // Every message of the control passes through the library's procedure,
  // which hands what it does not answer on to the control's own.
  element.previousWindowProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(element.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
  return element.window;
}

void FinishStandardControl(GUIElement& element) {
  if (element.window == nullptr) return;
  element.CreateTooltip(element.window);
  if (element.font != nullptr) {
    SendMessageW(element.window, WM_SETFONT, reinterpret_cast<WPARAM>(element.font->Handle()), TRUE);
  }
}

}  // namespace Tarvex
