#include "widgets/TextBox.h"

#include "support/Text.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

TextBox::TextBox(GUIElement* parentElement, const std::string& initialText) : Child(nullptr) {
  parent = parentElement;
  typeName = "textbox";
  width = 80;
  height = 30;
  text = ToWide(initialText);
}

DWORD TextBox::WindowStyle() const {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  if (!enabled) style |= WS_DISABLED;
  if (horizontalScroll) style |= WS_HSCROLL;
  if (verticalScroll) style |= WS_VSCROLL;
  if (numbersOnly) style |= ES_NUMBER;
  if (bordered) style |= WS_BORDER;
  if (multiline) {
    style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap) style |= ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (readOnly) style |= ES_READONLY;
  if (upperCase) {
    style |= ES_UPPERCASE;
  } else if (lowerCase) {
    style |= ES_LOWERCASE;
  }
  if (alignRight) {
    style |= ES_RIGHT;
  } else if (alignCenter) {
    style |= ES_CENTER;
  }
  return style;
}

void TextBox::Create() {
  if (created) return;
  // The password mask is not a creation style: ApplyOptions sets it.
  CreateStandardControl(*this, L"edit", WindowStyle(), bordered ? WS_EX_CLIENTEDGE : 0);
  created = true;
  if (window != nullptr && maxLength != -1) SendMessageW(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  FinishStandardControl(*this);
}

void TextBox::ApplyOptions() {
  if (!created || window == nullptr) return;
  SetLastError(0);
  if (SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(WindowStyle())) == 0 && GetLastError() != 0) return;
  SendMessageW(window, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
  SendMessageW(window, EM_SETPASSWORDCHAR, password ? L'*' : 0, 0);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

}  // namespace Tarvex
