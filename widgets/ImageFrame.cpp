#include "widgets/ImageFrame.h"

#include "widgets/Drawing.h"

namespace Tarvex {

ImageFrame::ImageFrame(GUIElement* parentElement, HBITMAP sheet, int firstTile)
    : PanelChildren(parentElement), bitmap(sheet), tile(firstTile) {
  tabStop = false;
}

void ImageFrame::HandlePaint() {
  RECT client = {};
  if (window != nullptr && bitmap != nullptr && GetClientRect(window, &client)) {
    Drawing drawing(this);
    drawing.Begin();
    // One pixel more each way: a fill leaves its last column and row out.
    if (backColorApplied) drawing.FillRectangle(0, 0, client.right + 1, client.bottom + 1, backColor);
    // Tiles are the frame's own size, so a larger frame shows a larger
    // window of the sheet rather than a stretched tile.
    const SIZE size = GetSize();
    const int sourceX = size.cx * tile;
    const int sourceY = size.cy * tileRow;
    if (masked) {
      drawing.BlitBitmapMasked(0, 0, size.cx, size.cy, bitmap, sourceX, sourceY);
    } else {
      drawing.BlitBitmap(0, 0, size.cx, size.cy, bitmap, sourceX, sourceY);
    }
    drawing.End();
  }
  if (paintCallback != nullptr) paintCallback(this);
}

}  // namespace Tarvex
