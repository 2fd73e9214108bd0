#pragma once
#include "widgets/PanelChildren.h"

namespace Tarvex {

class Drawing;
class TileSheet;

// Shows one tile of a sprite sheet: tiles are the frame's own size.
class ImageFrame : public PanelChildren {
 public:
  ImageFrame(GUIElement* parentElement, HBITMAP sheet, int firstTile);
  ~ImageFrame() override;
  void HandlePaint() override;
  void HandleDestroyed() override;

  // Shows another tile. The frame is painted with every other frame whose
  // tile changed since the last paint, in one pass (FrameBatch.h).
  void ShowTile(int newTile, int newRow);
  // Paints the frame now, outside a paint message, then calls
  // paintCallback; the frame's update region is left alone. PaintWith draws
  // into a context whose origin is the frame's client area (its own, or its
  // parent's moved there), PaintNow through the frame's own context.
  void PaintWith(HDC deviceContext);
  void PaintNow();
  // The frame's picture into a drawing already begun on it.
  void DrawInto(Drawing& drawing);

  bool masked = true;
  HBITMAP bitmap = nullptr;  // not owned
  int tile = 0;
  int tileRow = 0;
  // The kept drawing state of `bitmap`, shared by the frames on it; not
  // owned. Without it (or for another bitmap) each paint makes its own
  // contexts and mask.
  TileSheet* sheet = nullptr;
  bool paintScheduled = false;  // waiting in the frame batch
};

}  // namespace Tarvex
