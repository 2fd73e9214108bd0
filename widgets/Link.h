#pragma once
// A web or mail link in a window: one line of blue text in the given
// (underlined) font with a hand cursor, acting on the press of the left
// button rather than its release.
#include <string>

#include "widgets/GUIElement.h"

namespace Tarvex {

class CellControl;

CellControl* CreateLink(GUIElement* parentElement, const std::string& text, FontSpec* font, int x, int y,
                        int linkWidth, int linkHeight, MouseButtonCallback pressed, CharCallback characters);

}  // namespace Tarvex
