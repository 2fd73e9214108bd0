#pragma once
#include "widgets/PanelChildren.h"

namespace Tarvex {

// Shows one tile of a sprite sheet: tiles are the frame's own size.
class ImageFrame : public PanelChildren {
 public:
  ImageFrame(GUIElement* parentElement, HBITMAP sheet, int firstTile);
  void HandlePaint() override;

  bool masked = true;
  HBITMAP bitmap = nullptr;  // not owned
  int tile = 0;
  int tileRow = 0;
};

}  // namespace Tarvex
