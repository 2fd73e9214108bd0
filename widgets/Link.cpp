#include "widgets/Link.h"

#include "widgets/CellControl.h"

namespace Tarvex {

namespace {
constexpr COLORREF LinkColor = RGB(0, 0, 255);
}  // namespace

CellControl* CreateLink(GUIElement* parentElement, const std::string& text, FontSpec* font, int x, int y,
                        int linkWidth, int linkHeight, MouseButtonCallback pressed, CharCallback characters) {
  auto* link = new CellControl(parentElement);
  link->SetText(text);
  link->SetSize(linkWidth, linkHeight);
  link->SetPosition(x, y);
  link->textColor = LinkColor;
  link->textAlignment = AlignLeft;
  link->SetHandCursor(true);
  link->font = font;
  link->leftButtonDownCallback = pressed;
  link->charCallback = characters;
  link->Create();
  return link;
}

}  // namespace Tarvex
