#include "widgets/Drawing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "support/Text.h"
#include "widgets/FontSpec.h"
#include "widgets/GUIElement.h"
#include "widgets/GdiCount.h"
#include "widgets/TileSheet.h"

namespace Tarvex {

namespace {

// Longest text one WriteText call draws; the rest is cut off.
constexpr std::size_t MaxTextLength = 1023;

UINT TextFormat(TextAlignment alignment) {
  switch (alignment) {
    case AlignRight:
      return DT_RIGHT;
    case AlignCenter:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

bool BitmapSize(HBITMAP bitmap, int* bitmapWidth, int* bitmapHeight) {
  BITMAP info = {};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) {
    *bitmapWidth = 0;
    *bitmapHeight = 0;
    return false;
  }
  *bitmapWidth = info.bmWidth;
  *bitmapHeight = std::abs(info.bmHeight);
  return true;
}

struct MaskedPart {
  int x, y, width, height;  // destination
  int sourceX, sourceY;
  int sourceWidth, sourceHeight;  // only used when stretching
  bool stretch;
};

// Black is the transparent colour: a monochrome mask of the whole bitmap
// keeps the destination where the bitmap is black (SRCAND), then the
// bitmap's colours are merged into the cleared part (SRCPAINT).
void DrawMasked(Drawing& drawing, HBITMAP bitmap, MaskedPart part) {
  HDC target = drawing.dc;
  HDC imageDC = TrackGdi(CreateCompatibleDC(target));
  if (imageDC == nullptr) drawing.OnFailure();
  HDC maskDC = TrackGdi(CreateCompatibleDC(target));
  if (maskDC == nullptr) drawing.OnFailure();

  int bitmapWidth = 0;
  int bitmapHeight = 0;
  BitmapSize(bitmap, &bitmapWidth, &bitmapHeight);
  if (part.stretch) {
    part.sourceWidth = bitmapWidth;
    part.sourceHeight = bitmapHeight;
  }

  HBITMAP mask = TrackGdi(CreateBitmap(bitmapWidth, bitmapHeight, 1, 1, nullptr));
  if (mask == nullptr) drawing.OnFailure();
  HGDIOBJ previousMask = maskDC && mask ? SelectObject(maskDC, mask) : nullptr;
  HGDIOBJ previousImage = imageDC ? SelectObject(imageDC, bitmap) : nullptr;

  // Colour to monochrome: pixels of the source's background colour become 1.
  if (imageDC) SetBkColor(imageDC, RGB(0, 0, 0));
  if (!BitBlt(maskDC, 0, 0, bitmapWidth, bitmapHeight, imageDC, 0, 0, SRCCOPY)) drawing.OnFailure();

  // Monochrome to colour turns 0 into the text colour and 1 into the
  // background colour of the target; the mask only works with black and
  // white there, and a control's colour answer may have set others.
  COLORREF previousText = SetTextColor(target, RGB(0, 0, 0));
  COLORREF previousBack = SetBkColor(target, RGB(255, 255, 255));
  for (const auto& [source, operation] : {std::pair<HDC, DWORD>{maskDC, SRCAND}, {imageDC, SRCPAINT}}) {
    BOOL done = part.stretch ? StretchBlt(target, part.x, part.y, part.width, part.height, source, 0, 0,
                                          part.sourceWidth, part.sourceHeight, operation)
                             : BitBlt(target, part.x, part.y, part.width, part.height, source, part.sourceX,
                                      part.sourceY, operation);
    if (!done) drawing.OnFailure();
  }
  SetBkColor(target, previousBack);
  SetTextColor(target, previousText);

  if (previousImage) SelectObject(imageDC, previousImage);
  if (previousMask) SelectObject(maskDC, previousMask);
  ReleaseGdiObject(mask);
  ReleaseMemoryDC(maskDC);
  ReleaseMemoryDC(imageDC);
}

}  // namespace

Drawing::Drawing(GUIElement* ownerElement) : owner(ownerElement) {}

Drawing::~Drawing() { End(); }

void Drawing::OnFailure() {
  // Nothing is shown to the user; the code is read so that a debugger sees it.
  DWORD code = GetLastError();
  (void)code;
}

void Drawing::Begin() {
  if (dc != nullptr || owner == nullptr || owner->window == nullptr) return;
  dc = BeginPaint(owner->window, &paintInfo);
}

void Drawing::Attach(HDC deviceContext) {
  End();
  dc = deviceContext;
  attached = true;
}

void Drawing::End() {
  if (attached) {
    attached = false;
    dc = nullptr;
    return;
  }
  if (dc == nullptr) return;
  EndPaint(owner->window, &paintInfo);
  dc = nullptr;
}

void Drawing::WriteText(int x, int y, int boxWidth, int boxHeight, const std::wstring& text, COLORREF color,
                        FontSpec* font, TextAlignment alignment) {
  if (dc == nullptr) return;
  SetBkMode(dc, TRANSPARENT);
  wchar_t buffer[MaxTextLength + 1];
  const std::size_t length = std::min(text.size(), MaxTextLength);
  std::copy_n(text.data(), length, buffer);
  buffer[length] = L'\0';

  HFONT fontHandle = font ? font->Handle() : nullptr;
  HGDIOBJ previousFont = fontHandle ? SelectObject(dc, fontHandle) : nullptr;
  COLORREF previousColor = SetTextColor(dc, color);
  if (boxWidth != 0 && boxHeight != 0) {
    RECT box = {x, y, x + boxWidth, y + boxHeight};
    DrawTextW(dc, buffer, static_cast<int>(length), &box, TextFormat(alignment));
  } else {
    TextOutW(dc, x, y, buffer, static_cast<int>(length));
  }
  SetTextColor(dc, previousColor);
  if (previousFont) SelectObject(dc, previousFont);
}

void Drawing::WriteText(int x, int y, int boxWidth, int boxHeight, const std::string& text, COLORREF color,
                        FontSpec* font, TextAlignment alignment) {
  WriteText(x, y, boxWidth, boxHeight, ToWide(text), color, font, alignment);
}

int Drawing::TextHeight(FontSpec* font) {
  if (dc == nullptr || font == nullptr) return -1;
  HFONT fontHandle = font->Handle();
  HGDIOBJ previousFont = fontHandle ? SelectObject(dc, fontHandle) : nullptr;
  TEXTMETRICW metrics = {};
  const BOOL read = GetTextMetricsW(dc, &metrics);
  if (previousFont) SelectObject(dc, previousFont);
  return read ? metrics.tmHeight : -1;
}

void Drawing::FrameRectangle(int x, int y, int boxWidth, int boxHeight, COLORREF color) {
  if (dc == nullptr) return;
  HPEN pen = TrackGdi(CreatePen(PS_SOLID, 1, color));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  HGDIOBJ previousPen = pen ? SelectObject(dc, pen) : nullptr;
  Rectangle(dc, x, y, x + boxWidth, y + boxHeight);
  if (previousPen) SelectObject(dc, previousPen);
  if (previousBrush) SelectObject(dc, previousBrush);
  ReleaseGdiObject(pen);
}

void Drawing::FillRectangle(int x, int y, int boxWidth, int boxHeight, COLORREF color) {
  if (dc == nullptr) return;
  HPEN pen = TrackGdi(CreatePen(PS_NULL, 0, 0));
  HBRUSH brush = TrackGdi(CreateSolidBrush(color));
  HGDIOBJ previousPen = pen ? SelectObject(dc, pen) : nullptr;
  HGDIOBJ previousBrush = brush ? SelectObject(dc, brush) : nullptr;
  Rectangle(dc, x, y, x + boxWidth, y + boxHeight);
  if (previousBrush) SelectObject(dc, previousBrush);
  if (previousPen) SelectObject(dc, previousPen);
  ReleaseGdiObject(brush);
  ReleaseGdiObject(pen);
}

void Drawing::BlitBitmap(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap, int sourceX, int sourceY) {
  if (dc == nullptr) return;
  HDC memoryDC = TrackGdi(CreateCompatibleDC(dc));
  if (memoryDC == nullptr) OnFailure();
  HGDIOBJ previous = memoryDC ? SelectObject(memoryDC, bitmap) : nullptr;
  if (!BitBlt(dc, x, y, boxWidth, boxHeight, memoryDC, sourceX, sourceY, SRCCOPY)) OnFailure();
  if (previous) SelectObject(memoryDC, previous);
  ReleaseMemoryDC(memoryDC);
}

void Drawing::BlitBitmapMasked(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap, int sourceX,
                               int sourceY) {
  if (dc == nullptr) return;
  DrawMasked(*this, bitmap, {x, y, boxWidth, boxHeight, sourceX, sourceY, 0, 0, false});
}

void Drawing::DrawBitmapMasked(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap) {
  if (dc == nullptr) return;
  if (boxWidth != 0 && boxHeight != 0) {
    DrawMasked(*this, bitmap, {x, y, boxWidth, boxHeight, 0, 0, 0, 0, true});
    return;
  }
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  BitmapSize(bitmap, &bitmapWidth, &bitmapHeight);
  DrawMasked(*this, bitmap, {x, y, bitmapWidth, bitmapHeight, 0, 0, 0, 0, false});
}

void Drawing::BlitTile(int x, int y, int boxWidth, int boxHeight, TileSheet& sheet, int sourceX, int sourceY,
                       bool masked) {
  if (dc == nullptr) return;
  if (!sheet.Blit(dc, x, y, boxWidth, boxHeight, sourceX, sourceY, masked)) OnFailure();
}

HBITMAP Drawing::LoadBitmapFile(const std::string& path) {
  const std::wstring widePath = ToWide(path);
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, widePath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace Tarvex
