#include "widgets/Label.h"

#include "support/Text.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

Label::Label(GUIElement* parentElement, const std::string& labelText) : Child(nullptr) {
  parent = parentElement;
  typeName = "label";
  width = 80;
  height = 30;
  text = ToWide(labelText);
}

void Label::Create() {
  if (created) return;
  DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
  if (!enabled) style |= WS_DISABLED;
  if (bordered) style |= WS_BORDER;
  if (alignRight) {
    style |= SS_RIGHT;
  } else if (alignCenter) {
    style |= SS_CENTER;
  }
  CreateStandardControl(*this, L"static", style, bordered ? WS_EX_CLIENTEDGE : 0);
  created = true;
  FinishStandardControl(*this);
}

}  // namespace Tarvex
