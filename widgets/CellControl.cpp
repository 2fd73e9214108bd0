#include "widgets/CellControl.h"

#include "support/Text.h"
#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"

namespace Tarvex {

CellControl::CellControl(GUIElement* parentElement) : PanelChildren(parentElement) { tabStop = false; }

void CellControl::SetText(const std::wstring& newText) {
  PanelChildren::SetText(newText);
  if (window != nullptr) InvalidateRect(window, nullptr, TRUE);
}

void CellControl::SetText(const std::string& newText) { SetText(ToWide(newText)); }

void CellControl::HandlePaint() {
  RECT client = {};
  if (window != nullptr && GetClientRect(window, &client)) {
    const int cellWidth = client.right;
    const int cellHeight = client.bottom;
    // Made afresh for every paint and released with it.
    FontSpec ownFont(fontFace, fontSize);
    ownFont.bold = fontBold;
    ownFont.italic = fontItalic;
    ownFont.underline = fontUnderline;
    const HFONT ownHandle = TrackGdi(ownFont.Handle());

    Drawing drawing(this);
    drawing.Begin();
    // One pixel more each way: a fill leaves its last column and row out.
    if (backColorApplied) drawing.FillRectangle(0, 0, cellWidth + 1, cellHeight + 1, backColor);

    int lineHeight = drawing.TextHeight(&ownFont);
    if (font != nullptr) lineHeight = drawing.TextHeight(font);
    FontSpec* drawingFont = font != nullptr ? font : &ownFont;

    if (!text.empty()) {
      const int top = (cellHeight - lineHeight) / 2;
      drawing.WriteText(0, top, cellWidth, cellHeight - top, text, textColor, drawingFont, textAlignment);
    }
    if (showMark && lineHeight > 0) {
      drawing.WriteText(cellWidth - lineHeight, cellHeight - lineHeight, lineHeight, lineHeight, std::string("*"),
                        textColor, drawingFont, AlignCenter);
    }
    if (image != nullptr) {
      const int top = (cellHeight - imageHeight) / 2;
      int left = 3;
      if (imageAlignment == AlignRight) {
        left = cellWidth - imageWidth - 3;
      } else if (imageAlignment == AlignCenter) {
        left = (cellWidth - imageWidth) / 2;
      }
      drawing.DrawBitmapMasked(left, top, imageWidth, imageHeight, image);
    }
    drawing.End();
    // Released here, by the library's count; a font that only a later
    // attempt managed to make is left to the descriptor's destructor.
    if (ownHandle != nullptr) {
      ReleaseGdiObject(ownHandle);
      ownFont.handle = nullptr;
    }
  }
  if (paintCallback != nullptr) paintCallback(this);
}

}  // namespace Tarvex
