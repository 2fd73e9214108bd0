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

// The form of class F that holds an element: the element itself, or the
// window it sits in however deep (a logo inside a panel); null when none.
template <class F>
F* EnclosingForm(GUIElement* element) {
  for (; element != nullptr; element = element->parent) {
    if (F* form = dynamic_cast<F*>(element)) return form;
  }
  return nullptr;
}

// Given to a form of class F and to the controls in it, so that a character
// typed anywhere in the window reaches the form's OnChar, whose answer
// decides whether the control sees it (Enter and Escape close dialogs).
template <class F>
bool RouteCharToForm(GUIElement* element, unsigned character) {
  F* form = EnclosingForm<F>(element);
  return form == nullptr || form->OnChar(character);
}

// A control's command (a button pressed) handed to OnClick of its form.
template <class F>
void RouteCommandToForm(GUIElement* control) {
  if (F* form = EnclosingForm<F>(control)) form->OnClick(control);
}

// Whether the element a callback hands over is a known one.
inline bool SameElement(const GUIElement* element, const GUIElement* known) {
  return element != nullptr && known != nullptr && element->id == known->id;
}

}  // namespace Tarvex
