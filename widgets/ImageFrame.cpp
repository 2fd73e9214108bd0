#include "widgets/ImageFrame.h"

#include "widgets/Drawing.h"
#include "widgets/FrameBatch.h"
#include "widgets/TileSheet.h"

namespace Tarvex {

ImageFrame::ImageFrame(GUIElement* parentElement, HBITMAP sheet, int firstTile)
    : PanelChildren(parentElement), bitmap(sheet), tile(firstTile) {
  tabStop = false;
  // A device context of its own keeps its visible region between paints:
  // a frame painted outside its paint message (FrameBatch.h) then costs no
  // request to the window system, where a shared context is looked up and
  // set up again every time.
  classStyle |= CS_OWNDC;
}

ImageFrame::~ImageFrame() { ForgetScheduledFrame(this); }

void ImageFrame::HandlePaint() {
  RECT client = {};
  if (window != nullptr && bitmap != nullptr && GetClientRect(window, &client)) {
    Drawing drawing(this);
    drawing.Begin();
    DrawInto(drawing);
    drawing.End();
  }
  if (paintCallback != nullptr) paintCallback(this);
  // Whatever else waits to show a new tile is painted in this same pass.
  PaintScheduledFrames(this);
}

void ImageFrame::HandleDestroyed() {
  ForgetScheduledFrame(this);
  PanelChildren::HandleDestroyed();
}

void ImageFrame::ShowTile(int newTile, int newRow) {
  tile = newTile;
  tileRow = newRow;
  if (created && window != nullptr) ScheduleFramePaint(this);
}

void ImageFrame::PaintNow() {
  RECT client = {};
  if (window != nullptr && bitmap != nullptr && IsWindowVisible(window) && GetClientRect(window, &client)) {
    HDC deviceContext = GetDC(window);
    if (deviceContext != nullptr) {
      Drawing drawing(this);
      drawing.Attach(deviceContext);
      DrawInto(drawing);
      drawing.End();
      ReleaseDC(window, deviceContext);
    }
  }
  if (paintCallback != nullptr) paintCallback(this);
}

void ImageFrame::DrawInto(Drawing& drawing) {
  RECT client = {};
  if (window == nullptr || bitmap == nullptr || !GetClientRect(window, &client)) return;
  // One pixel more each way: a fill leaves its last column and row out.
  if (backColorApplied) drawing.FillRectangle(0, 0, client.right + 1, client.bottom + 1, backColor);
  // Tiles are the frame's own size, so a larger frame shows a larger
  // window of the sheet rather than a stretched tile.
  const SIZE size = GetSize();
  const int sourceX = size.cx * tile;
  const int sourceY = size.cy * tileRow;
  if (sheet != nullptr && sheet->bitmap == bitmap) {
    drawing.BlitTile(0, 0, size.cx, size.cy, *sheet, sourceX, sourceY, masked);
  } else if (masked) {
    drawing.BlitBitmapMasked(0, 0, size.cx, size.cy, bitmap, sourceX, sourceY);
  } else {
    drawing.BlitBitmap(0, 0, size.cx, size.cy, bitmap, sourceX, sourceY);
  }
}

}  // namespace Tarvex
