#include "widgets/ImageFrame.h"

#include "widgets/Drawing.h"
#include "widgets/FrameBatch.h"
#include "widgets/TileSheet.h"

namespace Tarvex {

ImageFrame::ImageFrame(GUIElement* parentElement, HBITMAP sheet, int firstTile)
    : PanelChildren(parentElement), bitmap(sheet), tile(firstTile) {
  tabStop = false;
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

void ImageFrame::PaintWith(HDC deviceContext) {
  if (deviceContext != nullptr && IsWindowVisible(window)) {
    Drawing drawing(this);
    drawing.Attach(deviceContext);
    DrawInto(drawing);
    drawing.End();
  }
  if (paintCallback != nullptr) paintCallback(this);
}

void ImageFrame::PaintNow() {
  HDC deviceContext = window != nullptr ? GetDC(window) : nullptr;
  PaintWith(deviceContext);
  if (deviceContext != nullptr) ReleaseDC(window, deviceContext);
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
