#pragma once
#include "widgets/GUIElement.h"

namespace Tarvex {

// Marks an element whose window is a child window of its parent's window.
class Child : public GUIElement {
 public:
  explicit Child(HINSTANCE instance) : GUIElement(instance) {}
};

}  // namespace Tarvex
