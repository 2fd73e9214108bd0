#pragma once
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

class Drawing;

class Button : public Child, public CommandElement {
 public:
  Button(GUIElement* parentElement, const std::string& buttonText);
  void Create() override;
  // Draws the picture of an owner-drawn button; returns where the text starts
  // (0 without a picture).
  virtual int DrawPicture(Drawing& drawing, const RECT& item, bool selected);  // 37

  // Paints an owner-drawn button for its parent's WM_DRAWITEM.
  void PaintOwnerDrawn(const DRAWITEMSTRUCT& item);

  bool ownerDrawn = false;
  HBITMAP pictureEnabled = nullptr;   // not owned
  HBITMAP pictureDisabled = nullptr;  // not owned
  HICON iconEnabled = nullptr;        // not owned
  HICON iconDisabled = nullptr;       // not owned
};

}  // namespace Tarvex
