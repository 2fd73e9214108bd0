#pragma once
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

class Label : public Child {
 public:
  Label(GUIElement* parentElement, const std::string& labelText);
  void Create() override;

  bool bordered = false;
  bool alignRight = false;
  bool alignCenter = false;
};

}  // namespace Tarvex
