#pragma once
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

// Whether a text box takes a character (a UTF-16 code unit), as it would
// show it.
using CharacterFilter = bool (*)(unsigned character);

class TextBox : public Child {
 public:
  TextBox(GUIElement* parentElement, const std::string& initialText);
  void Create() override;
  void ApplyOptions();
  DWORD WindowStyle() const;

  // A typed character first goes to the character callback; one it lets
  // through is then checked against `characterFilter`.
  bool HandleChar(unsigned character) override;
  // Answers WM_PASTE when the box has a filter: inserts the clipboard's text
  // without the characters the filter refuses. False leaves the paste to the
  // control.
  bool PasteFiltered();

  // With a filter the box takes only the characters it accepts, judged after
  // the box's capitals (or small letters): a refused typed character sounds
  // the default beep and never reaches the control, and a paste keeps only
  // the accepted characters (with a beep when it drops any). Characters
  // below U+0020 are never text in a one-line box, only editing commands
  // (backspace, copy, cut, paste, undo), so they pass to the control.
  CharacterFilter characterFilter = nullptr;

  int maxLength = -1;
  bool multiline = false;
  bool horizontalScroll = false;
  bool verticalScroll = false;
  bool readOnly = false;
  bool numbersOnly = false;
  bool password = false;
  bool lowerCase = false;
  bool upperCase = false;
  bool alignRight = false;
  bool alignCenter = false;
  bool bordered = true;
  bool wordWrap = false;
};

}  // namespace Tarvex
