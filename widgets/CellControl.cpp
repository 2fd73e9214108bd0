#include "widgets/CellControl.h"

#include "support/Text.h"
#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"

namespace Tarvex {

CellControl::CellControl(GUIElement* parentElement) : PanelChildren(parentElement) { tabStop = false; }

CellControl::~CellControl() { ReleaseOwnFont(); }

FontSpec* CellControl::OwnFont() {
  const std::wstring face = ToWide(fontFace);
  if (ownFont != nullptr && (ownFont->faceName != face || ownFont->height != fontSize || ownFont->bold != fontBold ||
                             ownFont->italic != fontItalic || ownFont->underline != fontUnderline))
    ReleaseOwnFont();
  if (ownFont == nullptr) {
    ownFont = std::make_unique<FontSpec>(fontFace, fontSize);
    ownFont->bold = fontBold;
    ownFont->italic = fontItalic;
    ownFont->underline = fontUnderline;
  }
  // Counted once, when the Windows font is made; a failed attempt is tried
  // again at the next paint.
  if (ownFont->handle == nullptr) TrackGdi(ownFont->Handle());
  return ownFont.get();
}

void CellControl::ReleaseOwnFont() {
  if (ownFont == nullptr) return;
  ReleaseGdiObject(ownFont->handle);
  ownFont->handle = nullptr;
  ownFont.reset();
}

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
    // The own font only matters without the element's font, which wins.
    FontSpec* drawingFont = font != nullptr ? font : OwnFont();

    Drawing drawing(this);
    drawing.Begin();
    // One pixel more each way: a fill leaves its last column and row out.
    if (backColorApplied) drawing.FillRectangle(0, 0, cellWidth + 1, cellHeight + 1, backColor);

    const int lineHeight = drawing.TextHeight(drawingFont);

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
  }
  if (paintCallback != nullptr) paintCallback(this);
}

}  // namespace Tarvex
