#include "widgets/TextBox.h"

#include "support/Desktop.h"
#include "support/Text.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

namespace {

constexpr unsigned FirstTextCharacter = 0x20;

// The clipboard's text, or nothing when it holds none or another program
// has it open.
std::wstring ClipboardText(HWND window) {
  std::wstring text;
  if (!OpenClipboard(window)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// The character as the box will show it: the edit control turns letters
// into capitals (or small letters) itself, with the system's own mapping,
// and a capital may lie outside what a filter accepts (U+00FF has U+0178).
wchar_t AsShown(const TextBox& box, wchar_t character) {
  if (box.upperCase) {
    CharUpperBuffW(&character, 1);
  } else if (box.lowerCase) {
    CharLowerBuffW(&character, 1);
  }
  return character;
}

}  // namespace

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

bool TextBox::HandleChar(unsigned character) {
  if (!Child::HandleChar(character)) return false;
  if (characterFilter == nullptr || character < FirstTextCharacter) return true;
  if (characterFilter(AsShown(*this, static_cast<wchar_t>(character)))) return true;
  DefaultBeep();
  return false;
}

bool TextBox::PasteFiltered() {
  if (characterFilter == nullptr || window == nullptr) return false;
  if (readOnly) return true;  // the control would paste nothing either
  std::wstring kept;
  bool refused = false;
  for (wchar_t character : ClipboardText(window)) {
    const wchar_t shown = AsShown(*this, character);
    if (characterFilter(shown)) {
      kept.push_back(shown);
    } else {
      refused = true;
    }
  }
  if (refused) DefaultBeep();
  // As a paste would: over the selection, undoable, within the box's limit.
  if (!kept.empty()) SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
  return true;
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
