#pragma once
// The forwarding every window of the program stores in its own callbacks:
// the creation, close-query, resize and key events of the form reach the
// operations of the same names on its own class. F is that class; it has
// CreateChildren, OnClosing, OnResize, OnKeyDown and OnKeyUp.
#include "widgets/GUIElement.h"

namespace Tarvex {

template <class F>
void WireFormEvents(F* form) {
  form->createdCallback = [](GUIElement* element, HWND) {
    if (F* owner = dynamic_cast<F*>(element)) owner->CreateChildren();
  };
  form->closeQueryCallback = [](GUIElement* element) {
    F* owner = dynamic_cast<F*>(element);
    return owner == nullptr || owner->OnClosing();
  };
  form->resizedCallback = [](GUIElement* element) {
    if (F* owner = dynamic_cast<F*>(element)) owner->OnResize();
  };
  form->keyDownCallback = [](GUIElement* element, unsigned key) {
    if (F* owner = dynamic_cast<F*>(element)) owner->OnKeyDown(key);
  };
  form->keyUpCallback = [](GUIElement* element, unsigned key) {
    if (F* owner = dynamic_cast<F*>(element)) owner->OnKeyUp(key);
  };
}

}  // namespace Tarvex
