#pragma once
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

class TextBox : public Child {
 public:
  TextBox(GUIElement* parentElement, const std::string& initialText);
  void Create() override;
  void ApplyOptions();
  DWORD WindowStyle() const;

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
